#include "settings/Defaults.h"

#include "output/NamePattern.h"
#include "settings/SettingKeys.h"

namespace fw {

using namespace keys;

DefaultsList standardDefaults() {
    return {
        {WideString(kLanguage), SettingValue::text(u"english")},
        {WideString(kLoadOnWindowsStartup), SettingValue::boolean(false)},
        {WideString(kMinimizeToNotificationArea), SettingValue::boolean(true)},
        {WideString(kCloseToNotificationArea), SettingValue::boolean(true)},
        {WideString(kMode), SettingValue::int32(1)},
        {WideString(kCaptureDelay), SettingValue::int32(200)},
        {WideString(kPreviewListZoom), SettingValue::int32(0)},
        {WideString(kPlaySound), SettingValue::boolean(true)},
        {WideString(kExternalEditorPath), SettingValue::text(u"")},
        {WideString(kOutputFolder), SettingValue::text(u"")},
        {WideString(kOutputFileFormat), SettingValue::int32(1)},
        {WideString(kOutputFileNamePattern), SettingValue::text(NamePattern::kDefaultPattern)},
        {WideString(kOutputFileNameCounterFormat), SettingValue::int32(0)},
        {WideString(kIncludeMouseCursor), SettingValue::boolean(false)},
        {WideString(kAutoCopyToClipboard), SettingValue::boolean(false)},
        {WideString(kLastSaveAsPath), SettingValue::text(u"")},
        {WideString(kHistoryEnable), SettingValue::boolean(true)},
        {WideString(kHistoryLimit), SettingValue::int32(7)},
        {WideString(kHistoryMode), SettingValue::int32(0)},
        {WideString(kHistoryDeleteToRecycleBin), SettingValue::boolean(true)},
        {WideString(kHotkeyCapture), SettingValue::int64(0)},
        {WideString(kHotkeyShowAndHide), SettingValue::int64(0)},
        {WideString(kUsePrintScreenKey), SettingValue::boolean(true)},
        {WideString(kFullScreenModeWorkArea), SettingValue::boolean(false)},
        {WideString(kWindowModeIncludeControls), SettingValue::boolean(true)},
        {WideString(kWindowModeSaveTransparency), SettingValue::boolean(true)},
        {WideString(kRegionModeMagnifierSize), SettingValue::int32(1)},
        {WideString(kRegionModeMagnifierZoom), SettingValue::int32(10)},
        {WideString(kTimerModeInterval), SettingValue::int32(5)},
        {WideString(kTimerModeIntervalType), SettingValue::int32(0)},
        {WideString(kTimerModeRepeatCount), SettingValue::int32(1)},
        {WideString(kTimerModeTickingSound), SettingValue::boolean(true)},
        {WideString(kTimerModeShowCounter), SettingValue::boolean(true)},
        {WideString(kTimerModeCounterPosition), SettingValue::int32(10)},
        {WideString(kIsSendEnable), SettingValue::boolean(false)},
        {WideString(kLastSend), SettingValue::int64(0)},
        {WideString(kNumRuns), SettingValue::int32(0)},
        {WideString(kTotalScreenshots), SettingValue::int32(0)},
        {WideString(kOutTotalScreenshots), SettingValue::int32(0)},
        {WideString(kWindowMainLeft), SettingValue::int32(-1)},
        {WideString(kWindowMainTop), SettingValue::int32(-1)},
        {WideString(kWindowMainWidth), SettingValue::int32(-1)},
        {WideString(kWindowMainHeight), SettingValue::int32(-1)},
        {WideString(kWindowMainTopMost), SettingValue::boolean(false)},
        {WideString(kWindowMainMaximized), SettingValue::boolean(false)},
        {WideString(kWindowOptionsLeft), SettingValue::int32(-1)},
        {WideString(kWindowOptionsTop), SettingValue::int32(-1)},
        {WideString(kWindowOptionsPage), SettingValue::int32(0)},
    };
}

bool applyDefaults(SettingsStore& store, const DefaultsList& defaults) {
    bool complete = store.count() == defaults.size();
    for (size_t i = 0; complete && i < defaults.size(); ++i) {
        complete = store.contains(defaults[i].key);
    }
    if (complete) {
        return false;
    }
    store.clear();
    for (const SettingDefault& item : defaults) {
        store.add(item.key, item.value);
    }
    store.save();
    return true;
}

} // namespace fw
