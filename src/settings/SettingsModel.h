#pragma once
// The typed, in-memory copy of the settings the program acts on, loaded once
// from the store with every repair applied and written back on save.
#include "capture/CapturePipeline.h"
#include "output/NamePattern.h"
#include "output/ScreenshotHistory.h"
#include "platform/WideString.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fw {

// What loading the settings needs from the system, replaceable in tests.
struct SettingsEnvironment {
    std::function<bool(WideStringView)> fileExists;
    std::function<bool(WideStringView)> folderExists;
    // Seconds since 1 January 1970 UTC.
    std::function<int64_t()> unixTime;
    // Removes the installer's one-time "send statistics" consent from the
    // registry; true when it was there.
    std::function<bool()> takeInstallerStatisticsConsent;
    WideString desktopFolder;
    WideString defaultEditorPath; // system folder + "\mspaint.exe"

    static SettingsEnvironment system();
};

// One field per key the model owns, starting at the key's default.
struct SettingsValues {
    int32_t previewListZoom = 0;
    int32_t mode = 1;
    int32_t captureDelay = 200;
    bool playSound = true;
    WideString externalEditorPath;
    bool historyEnable = true;
    int32_t historyLimit = 7;
    int32_t historyMode = 0;
    bool historyDeleteToRecycleBin = true;
    WideString outputFolder;
    // The stored output folder while it is missing and the desktop stands in
    // for it; empty otherwise. Its history records wait for it to come back.
    WideString unavailableOutputFolder;
    int32_t outputFileFormat = 1;
    WideString outputFileNamePattern = NamePattern::kDefaultPattern;
    int32_t outputFileNameCounterFormat = 1;
    bool includeMouseCursor = false;
    bool autoCopyToClipboard = false;
    bool usePrintScreenKey = true;
    bool fullScreenModeWorkArea = false;
    bool windowModeIncludeControls = true;
    bool windowModeSaveTransparency = true;
    int32_t regionModeMagnifierZoom = 10;
    int32_t regionModeMagnifierSize = 1;
    int32_t timerModeInterval = 5;
    int32_t timerModeIntervalType = 0;
    int32_t timerModeRepeatCount = 1;
    bool timerModeTickingSound = true;
    bool timerModeShowCounter = true;
    int32_t timerModeCounterPosition = 10;
};

// The usage counters, changed by the start-up step, the save step and the
// statistics report.
struct StatisticsValues {
    bool isSendEnable = false;
    int64_t lastSend = 0;
    int32_t numRuns = 0;
    int32_t totalScreenshots = 0;
    int32_t outTotalScreenshots = 0;

    // One more saved screenshot (both counters), one more start. A counter
    // stays at its largest value instead of overflowing.
    void countScreenshot();
    void countRun();
};

class SettingsModel {
public:
    explicit SettingsModel(SettingsEnvironment environment = SettingsEnvironment::system());
    SettingsModel(SettingsModel&& other) noexcept;
    ~SettingsModel();

    // Reads every model key from the store and repairs out-of-range values;
    // consumes the installer's statistics consent first.
    void loadSettings(SettingsStore& store);
    // Writes every model key back with its kind (the first step of saving).
    void writeSettings(SettingsStore& store) const;

    SettingsValues values;
    StatisticsValues statistics;
    // Keeps its counter across the captures of a run.
    NamePattern namePattern;
    // Set by the application once its windows exist.
    std::unique_ptr<CapturePipeline> capture;
    ScreenshotHistory history;
    // The statistics schedule joins the model here.

    // The desktop folder and the default editor, as "Reset to defaults" needs them.
    const SettingsEnvironment& environment() const { return environment_; }

private:
    void loadStatistics(SettingsStore& store);
    void loadGeneral(const SettingsStore& store);

    SettingsEnvironment environment_;
};

// A history host that takes the history's settings, output folder and
// screenshot count from the settings model.
class ModelHistoryHost : public HistoryHost {
public:
    virtual SettingsModel& model() = 0;

    HistorySettings historySettings() override;
    WideString chosenOutputFolder() override;
    void setOutputFolder(WideStringView folder) override;
    void countAtLeast(size_t screenshots) override;
};

} // namespace fw
