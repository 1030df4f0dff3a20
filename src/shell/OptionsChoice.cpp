#include "shell/OptionsChoice.h"

#include "output/ImageFile.h"
#include "output/NamePattern.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace fw {

namespace {

bool storedBool(const SettingsStore& store, WideStringView key, bool fallback) {
    return store.get(key, SettingValue::boolean(fallback)).toBool();
}

} // namespace

OptionsChoice readOptionsChoice(SettingsStore& store, const SettingsModel& model,
                                bool startupEntryPresent) {
    store.set(keys::kLoadOnWindowsStartup, SettingValue::boolean(startupEntryPresent));
    const SettingsValues& v = model.values;
    OptionsChoice c;
    c.language = store.get(keys::kLanguage, SettingValue::text(u"english")).toText();
    c.loadOnStartup = startupEntryPresent;
    c.minimizeToNotificationArea = storedBool(store, keys::kMinimizeToNotificationArea, true);
    c.closeToNotificationArea = storedBool(store, keys::kCloseToNotificationArea, true);
    c.playSound = v.playSound;
    c.sendStatistics = model.statistics.isSendEnable;
    c.editor = v.externalEditorPath;
    c.format = std::clamp(v.outputFileFormat, 0, 2);
    c.pattern = v.outputFileNamePattern;
    c.counterChoice = std::clamp(v.outputFileNameCounterFormat - 1, 0, kCounterChoices - 1);
    c.folder = v.outputFolder;
    c.includeMouseCursor = v.includeMouseCursor;
    c.autoCopyToClipboard = v.autoCopyToClipboard;
    c.historyEnable = v.historyEnable;
    c.historyLimit = std::clamp(v.historyLimit, kMinHistoryLimit, kMaxHistoryLimit);
    c.historyMode = v.historyMode != 0 ? 1 : 0;
    c.deleteToRecycleBin = v.historyDeleteToRecycleBin;
    c.showHideHotkey = store.get(keys::kHotkeyShowAndHide, SettingValue::int64(0)).toInt64();
    c.captureHotkey = store.get(keys::kHotkeyCapture, SettingValue::int64(0)).toInt64();
    c.usePrintScreen = v.usePrintScreenKey;
    c.captureDelay = std::clamp(v.captureDelay, kMinCaptureDelay, kMaxCaptureDelay);
    return c;
}

OptionsChoice defaultOptionsChoice(WideStringView language, WideStringView desktopFolder,
                                   WideStringView defaultEditor) {
    OptionsChoice c;
    c.language = WideString(language);
    c.editor = WideString(defaultEditor);
    c.pattern = NamePattern::kDefaultPattern;
    c.folder = WideString(desktopFolder);
    return c;
}

WideString optionsSample(WideStringView pattern, int32_t counterChoice, int32_t format,
                         const CaptureTime& time) {
    return NamePattern::fill(1, counterChoice + 1, NamePattern::clean(pattern), time) + u"." +
           extensionOf(format);
}

WideString autoTextHelp(const CaptureTime& time) {
    WideString help;
    for (WideStringView token : NamePattern::kTokens) {
        if (!help.empty()) {
            help += u"\n";
        }
        help += WideString(token) + u" - " + NamePattern::fill(1, 1, token, time);
    }
    return help;
}

ApplyResult applyOptions(const OptionsChoice& c, SettingsStore& store, SettingsModel& model,
                         OptionsApplyHost& host) {
    SettingsValues& v = model.values;
    if (!c.language.empty()) {
        store.set(keys::kLanguage, SettingValue::text(c.language));
    }
    store.set(keys::kLoadOnWindowsStartup, SettingValue::boolean(c.loadOnStartup));
    host.setStartupEntry(c.loadOnStartup);
    store.set(keys::kMinimizeToNotificationArea,
              SettingValue::boolean(c.minimizeToNotificationArea));
    store.set(keys::kCloseToNotificationArea, SettingValue::boolean(c.closeToNotificationArea));
    v.playSound = c.playSound;
    model.statistics.isSendEnable = c.sendStatistics;
    v.historyDeleteToRecycleBin = c.deleteToRecycleBin;
    if (!c.editor.empty() && !host.fileExists(c.editor)) {
        return ApplyResult::MissingEditor;
    }
    v.externalEditorPath = c.editor;
    v.historyEnable = c.historyEnable;
    v.historyLimit = std::clamp(c.historyLimit, kMinHistoryLimit, kMaxHistoryLimit);
    v.historyMode = c.historyMode != 0 ? 1 : 0;
    v.captureDelay = std::clamp(c.captureDelay, kMinCaptureDelay, kMaxCaptureDelay);
    v.outputFileFormat = std::clamp(c.format, 0, 2);
    if (!host.folderExists(c.folder)) {
        return ApplyResult::MissingFolder;
    }
    if (c.folder != v.outputFolder) {
        // A folder chosen anew no longer waits for the missing one to return.
        v.unavailableOutputFolder.clear();
    }
    host.moveScreenshotsTo(c.folder);
    model.namePattern.setPattern(c.pattern);
    v.outputFileNamePattern = model.namePattern.pattern();
    v.outputFileNameCounterFormat = std::max(c.counterChoice + 1, 1);
    model.namePattern.setCounterDigits(v.outputFileNameCounterFormat);
    v.autoCopyToClipboard = c.autoCopyToClipboard;
    v.includeMouseCursor = c.includeMouseCursor;
    HotkeyFailure failure;
    if (!host.applyHotkeys(HotkeyChoice{c.showHideHotkey, c.captureHotkey, c.usePrintScreen},
                           failure)) {
        host.showHotkeyFailure(failure);
        return ApplyResult::HotkeyRefused;
    }
    v.usePrintScreenKey = c.usePrintScreen;
    host.saveSettings();
    return ApplyResult::Applied;
}

} // namespace fw
