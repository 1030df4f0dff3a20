#include "settings/SettingsModel.h"

#include "capture/TimerMode.h"
#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "platform/Registry.h"
#include "settings/SettingKeys.h"

#include <algorithm>
#include <ctime>

namespace fw {
namespace {

constexpr WideStringView kInstallerKey = u"Software\\Vornhal Software\\Framewing";
constexpr WideStringView kInstallerValue = u"InstallationEnableStatistics";

bool readBool(const SettingsStore& store, WideStringView key, bool fallback) {
    return store.get(key, SettingValue::boolean(fallback)).toBool();
}

int32_t readInt32(const SettingsStore& store, WideStringView key, int32_t fallback) {
    return store.get(key, SettingValue::int32(fallback)).toInt32();
}

int64_t readInt64(const SettingsStore& store, WideStringView key, int64_t fallback) {
    return store.get(key, SettingValue::int64(fallback)).toInt64();
}

WideString readText(const SettingsStore& store, WideStringView key) {
    return store.get(key, SettingValue::text(WideString())).toText();
}

// Keeps `value` when it is one of `allowed`, else gives `fallback`.
int32_t oneOf(int32_t value, std::initializer_list<int32_t> allowed, int32_t fallback) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : fallback;
}

bool takeRegistryConsent() {
    // Any value counts as consent, whatever type and size the installer wrote.
    const bool present = os::hasUserRegistryValue(kInstallerKey, kInstallerValue);
    if (present) {
        os::deleteUserRegistryValue(kInstallerKey, kInstallerValue);
    }
    return present;
}

WideString specialFolder(os::SpecialFolder which) {
    WideString path;
    return os::specialFolderPath(which, path) ? path : WideString();
}

void countUp(int32_t& counter) {
    if (counter < INT32_MAX) {
        ++counter;
    }
}

} // namespace

void StatisticsValues::countScreenshot() {
    countUp(totalScreenshots);
    countUp(outTotalScreenshots);
}

void StatisticsValues::countRun() {
    countUp(numRuns);
}

SettingsEnvironment SettingsEnvironment::system() {
    static const WideString editor =
        joinPath(specialFolder(os::SpecialFolder::System), u"mspaint.exe");
    SettingsEnvironment environment;
    environment.fileExists = [](WideStringView path) { return os::fileExists(path); };
    environment.folderExists = [](WideStringView path) { return os::folderExists(path); };
    environment.unixTime = [] { return static_cast<int64_t>(std::time(nullptr)); };
    environment.takeInstallerStatisticsConsent = takeRegistryConsent;
    environment.desktopFolder = specialFolder(os::SpecialFolder::Desktop);
    environment.defaultEditorPath = editor;
    return environment;
}

SettingsModel::SettingsModel(SettingsEnvironment environment)
    : environment_(std::move(environment)) {
    values.outputFolder = environment_.desktopFolder;
    values.externalEditorPath = environment_.defaultEditorPath;
}

SettingsModel::SettingsModel(SettingsModel&& other) noexcept = default;
SettingsModel::~SettingsModel() = default;

void SettingsModel::loadSettings(SettingsStore& store) {
    if (environment_.takeInstallerStatisticsConsent()) {
        store.set(keys::kIsSendEnable, SettingValue::boolean(true));
    }
    loadStatistics(store);
    loadGeneral(store);
}

void SettingsModel::loadStatistics(SettingsStore& store) {
    StatisticsValues& s = statistics;
    s.isSendEnable = readBool(store, keys::kIsSendEnable, false);
    s.lastSend = readInt64(store, keys::kLastSend, 0);
    // A time in the future means the clock was set back: treat it as never sent.
    if (s.lastSend < 0 || s.lastSend > environment_.unixTime()) {
        s.lastSend = 0;
    }
    s.numRuns = std::max(readInt32(store, keys::kNumRuns, 0), 0);
    s.totalScreenshots = std::max(readInt32(store, keys::kTotalScreenshots, 0), 0);
    s.outTotalScreenshots = std::max(readInt32(store, keys::kOutTotalScreenshots, 0), 0);
}

void SettingsModel::loadGeneral(const SettingsStore& store) {
    SettingsValues& v = values;
    v.previewListZoom = std::clamp(readInt32(store, keys::kPreviewListZoom, 0), 0, 84);
    v.mode = oneOf(readInt32(store, keys::kMode, 1), {2, 3, 4}, 1);
    v.captureDelay = std::clamp(readInt32(store, keys::kCaptureDelay, 200), 200, 1000);
    v.playSound = readBool(store, keys::kPlaySound, true);
    WideString editor = readText(store, keys::kExternalEditorPath);
    v.externalEditorPath = !editor.empty() && environment_.fileExists(editor)
                               ? editor
                               : environment_.defaultEditorPath;
    v.historyEnable = readBool(store, keys::kHistoryEnable, true);
    v.historyLimit = std::clamp(readInt32(store, keys::kHistoryLimit, 7), 1, 1000);
    v.historyMode = readInt32(store, keys::kHistoryMode, 0) == 0 ? 0 : 1;
    v.historyDeleteToRecycleBin = readBool(store, keys::kHistoryDeleteToRecycleBin, true);
    WideString folder = readText(store, keys::kOutputFolder);
    const bool folderPresent = environment_.folderExists(folder);
    v.outputFolder = folderPresent ? folder : environment_.desktopFolder;
    v.unavailableOutputFolder = folderPresent ? WideString() : folder;
    v.outputFileFormat = oneOf(readInt32(store, keys::kOutputFileFormat, 1), {0, 2}, 1);
    // Cleaning the pattern into a legal file name belongs to the name pattern.
    WideString pattern = readText(store, keys::kOutputFileNamePattern);
    v.outputFileNamePattern = pattern.empty() ? WideString(NamePattern::kDefaultPattern) : pattern;
    v.outputFileNameCounterFormat =
        std::max(readInt32(store, keys::kOutputFileNameCounterFormat, 0), 1);
    namePattern.setPattern(v.outputFileNamePattern);
    namePattern.setCounterDigits(v.outputFileNameCounterFormat);
    // Saved and shown as the names are made: a pattern written by hand with
    // characters no file name may hold is stored cleaned from now on.
    v.outputFileNamePattern = namePattern.pattern();
    v.autoCopyToClipboard = readBool(store, keys::kAutoCopyToClipboard, false);
    v.includeMouseCursor = readBool(store, keys::kIncludeMouseCursor, false);
    v.usePrintScreenKey = readBool(store, keys::kUsePrintScreenKey, true);
    v.fullScreenModeWorkArea = readBool(store, keys::kFullScreenModeWorkArea, false);
    v.windowModeIncludeControls = readBool(store, keys::kWindowModeIncludeControls, true);
    v.windowModeSaveTransparency = readBool(store, keys::kWindowModeSaveTransparency, true);
    v.regionModeMagnifierZoom =
        std::clamp(readInt32(store, keys::kRegionModeMagnifierZoom, 10), 0, 30);
    v.regionModeMagnifierSize =
        std::clamp(readInt32(store, keys::kRegionModeMagnifierSize, 1), 0, 2);
    // An interval below 1 would pass zero without ever capturing; every timer
    // value is kept to what the timer options can show and write back.
    const TimerModeSettings timer =
        sanitized(TimerModeSettings{readInt32(store, keys::kTimerModeInterval, 5),
                                    readInt32(store, keys::kTimerModeIntervalType, 0),
                                    readInt32(store, keys::kTimerModeRepeatCount, 1),
                                    readInt32(store, keys::kTimerModeCounterPosition, 10)});
    v.timerModeInterval = timer.interval;
    v.timerModeIntervalType = timer.intervalType;
    v.timerModeRepeatCount = timer.repeatCount;
    v.timerModeTickingSound = readBool(store, keys::kTimerModeTickingSound, true);
    v.timerModeShowCounter = readBool(store, keys::kTimerModeShowCounter, true);
    v.timerModeCounterPosition = timer.counterPosition;
}

HistorySettings ModelHistoryHost::historySettings() {
    const SettingsValues& v = model().values;
    return HistorySettings{v.historyEnable, v.historyLimit, v.historyMode != 0,
                           v.historyDeleteToRecycleBin};
}

WideString ModelHistoryHost::chosenOutputFolder() {
    const SettingsValues& v = model().values;
    return v.unavailableOutputFolder.empty() ? v.outputFolder : v.unavailableOutputFolder;
}

void ModelHistoryHost::setOutputFolder(WideStringView folder) {
    model().values.outputFolder = WideString(folder);
}

void ModelHistoryHost::countAtLeast(size_t screenshots) {
    int32_t& total = model().statistics.totalScreenshots;
    if (total < 0 || static_cast<size_t>(total) < screenshots) {
        total = static_cast<int32_t>(std::min<size_t>(screenshots, INT32_MAX));
    }
}

void SettingsModel::writeSettings(SettingsStore& store) const {
    const SettingsValues& v = values;
    auto setBool = [&](WideStringView key, bool x) { store.set(key, SettingValue::boolean(x)); };
    auto setInt = [&](WideStringView key, int32_t x) { store.set(key, SettingValue::int32(x)); };
    auto setText = [&](WideStringView key, const WideString& x) {
        store.set(key, SettingValue::text(x));
    };
    setInt(keys::kPreviewListZoom, v.previewListZoom);
    setInt(keys::kMode, v.mode);
    setInt(keys::kCaptureDelay, v.captureDelay);
    setBool(keys::kPlaySound, v.playSound);
    setText(keys::kExternalEditorPath, v.externalEditorPath);
    setBool(keys::kHistoryEnable, v.historyEnable);
    setInt(keys::kHistoryLimit, v.historyLimit);
    setInt(keys::kHistoryMode, v.historyMode);
    setBool(keys::kHistoryDeleteToRecycleBin, v.historyDeleteToRecycleBin);
    setText(keys::kOutputFolder, v.outputFolder);
    setInt(keys::kOutputFileFormat, v.outputFileFormat);
    setText(keys::kOutputFileNamePattern, v.outputFileNamePattern);
    setInt(keys::kOutputFileNameCounterFormat, v.outputFileNameCounterFormat);
    setBool(keys::kIncludeMouseCursor, v.includeMouseCursor);
    setBool(keys::kAutoCopyToClipboard, v.autoCopyToClipboard);
    setBool(keys::kUsePrintScreenKey, v.usePrintScreenKey);
    setBool(keys::kFullScreenModeWorkArea, v.fullScreenModeWorkArea);
    setBool(keys::kWindowModeIncludeControls, v.windowModeIncludeControls);
    setBool(keys::kWindowModeSaveTransparency, v.windowModeSaveTransparency);
    setInt(keys::kRegionModeMagnifierZoom, v.regionModeMagnifierZoom);
    setInt(keys::kRegionModeMagnifierSize, v.regionModeMagnifierSize);
    setInt(keys::kTimerModeInterval, v.timerModeInterval);
    setInt(keys::kTimerModeIntervalType, v.timerModeIntervalType);
    setInt(keys::kTimerModeRepeatCount, v.timerModeRepeatCount);
    setBool(keys::kTimerModeTickingSound, v.timerModeTickingSound);
    setBool(keys::kTimerModeShowCounter, v.timerModeShowCounter);
    setInt(keys::kTimerModeCounterPosition, v.timerModeCounterPosition);
    setBool(keys::kIsSendEnable, statistics.isSendEnable);
    store.set(keys::kLastSend, SettingValue::int64(statistics.lastSend));
    setInt(keys::kNumRuns, statistics.numRuns);
    setInt(keys::kTotalScreenshots, statistics.totalScreenshots);
    setInt(keys::kOutTotalScreenshots, statistics.outTotalScreenshots);
}

} // namespace fw
