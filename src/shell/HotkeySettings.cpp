#include "shell/HotkeySettings.h"
#include "i18n/Translation.h"
#include "settings/SettingKeys.h"

namespace fw {

namespace {

WideStringView keyFor(int32_t id) {
    switch (id) {
    case kHotkeyShowHide:
        return keys::kHotkeyShowAndHide;
    case kHotkeyCapture:
        return keys::kHotkeyCapture;
    default:
        return WideStringView();
    }
}

bool applyOne(GlobalHotkeys& hotkeys, SettingsStore& store, int32_t id, int64_t value,
              HotkeyFailure& failure) {
    WideStringView key = keyFor(id);
    hotkeys.unregisterHotkey(id);
    store.set(key, SettingValue::int64(value));
    if (value == 0 || hotkeys.registerHotkey(readHotkey(store, id))) {
        return true;
    }
    store.set(key, SettingValue::int64(0));
    failure.message = translate(u"Please select a different hotkey.", u"OptionsWindow");
    failure.detail = id == kHotkeyShowHide
                         ? translate(u"Unable to register Show/Hide hotkey.", u"OptionsWindow")
                         : translate(u"Unable to register Capture hotkey.", u"OptionsWindow");
    return false;
}

} // namespace

HotkeyRecord readHotkey(const SettingsStore& store, int32_t id) {
    WideStringView key = keyFor(id);
    if (key.empty()) {
        return HotkeyRecord{};
    }
    return hotkeyFromValue(id, store.get(key, SettingValue::int64(0)).toInt64());
}

void registerStartupHotkeys(GlobalHotkeys& hotkeys, const SettingsStore& store,
                            bool usePrintScreen) {
    hotkeys.registerHotkey(readHotkey(store, kHotkeyShowHide));
    hotkeys.registerHotkey(readHotkey(store, kHotkeyCapture));
    hotkeys.setPrintScreen(usePrintScreen);
}

bool applyHotkeyChoice(GlobalHotkeys& hotkeys, SettingsStore& store, const HotkeyChoice& choice,
                       HotkeyFailure& failure) {
    if (!applyOne(hotkeys, store, kHotkeyShowHide, choice.showHide, failure) ||
        !applyOne(hotkeys, store, kHotkeyCapture, choice.capture, failure)) {
        return false;
    }
    hotkeys.setPrintScreen(choice.usePrintScreen);
    return true;
}

} // namespace fw
