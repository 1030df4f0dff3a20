#pragma once
// What the options window edits, apart from its controls: the values it shows
// when it opens, the values "Reset to defaults" puts in, the sample name, and
// the order in which OK applies a choice to the running program.
#include "output/CaptureTime.h"
#include "platform/WideString.h"
#include "shell/HotkeySettings.h"

#include <cstdint>

namespace fw {

class SettingsModel;
class SettingsStore;

inline constexpr int32_t kMinHistoryLimit = 1;
inline constexpr int32_t kMaxHistoryLimit = 1000;
inline constexpr int32_t kMinCaptureDelay = 200;
inline constexpr int32_t kMaxCaptureDelay = 1000;
// "1", "01", ... "00001": choice i stands for i + 1 digits.
inline constexpr int32_t kCounterChoices = 5;

// One value per control of the options window.
struct OptionsChoice {
    WideString language; // a translation's file title; empty when none is chosen
    bool loadOnStartup = false;
    bool minimizeToNotificationArea = true;
    bool closeToNotificationArea = true;
    bool playSound = true;
    bool sendStatistics = false;
    WideString editor;
    int32_t format = 1; // 0 BMP, 1 PNG, 2 JPG
    WideString pattern;
    int32_t counterChoice = 0;
    WideString folder;
    bool includeMouseCursor = false;
    bool autoCopyToClipboard = false;
    bool historyEnable = true;
    int32_t historyLimit = 7;
    int32_t historyMode = 0; // 0 days, 1 screenshots
    bool deleteToRecycleBin = true;
    int64_t showHideHotkey = 0;
    int64_t captureHotkey = 0;
    bool usePrintScreen = true;
    int32_t captureDelay = 200;

    bool operator==(const OptionsChoice&) const = default;
};

// The values the window shows when it opens. The registry decides "Load on
// Windows startup.": `startupEntryPresent` is written to the store first.
OptionsChoice readOptionsChoice(SettingsStore& store, const SettingsModel& model,
                                bool startupEntryPresent);

// "Reset to defaults": every control at its default, the language kept.
// Sending statistics stays off, as it is stored by default: it needs the
// user's own consent.
OptionsChoice defaultOptionsChoice(WideStringView language, WideStringView desktopFolder,
                                   WideStringView defaultEditor);

// The "Sample:" text: the cleaned pattern filled for counter 1 at `time`,
// with the format's extension.
WideString optionsSample(WideStringView pattern, int32_t counterChoice, int32_t format,
                         const CaptureTime& time);

// The help of "Insert AutoText": one line per token with its value at `time`.
WideString autoTextHelp(const CaptureTime& time);

// What applying a choice does outside the settings; tests replace it.
class OptionsApplyHost {
public:
    virtual ~OptionsApplyHost() = default;
    virtual bool fileExists(WideStringView path) = 0;
    virtual bool folderExists(WideStringView path) = 0;
    virtual void setStartupEntry(bool enabled) = 0;
    // Makes `folder` the output folder and moves the history's screenshots there.
    virtual void moveScreenshotsTo(WideStringView folder) = 0;
    virtual bool applyHotkeys(const HotkeyChoice& choice, HotkeyFailure& failure) = 0;
    virtual void showHotkeyFailure(const HotkeyFailure& failure) = 0;
    virtual bool saveSettings() = 0;
};

enum class ApplyResult { Applied, MissingEditor, MissingFolder, HotkeyRefused };

// OK: applies the choice step by step. A missing editor or folder, or a
// hotkey that cannot be registered, stops it there (the steps before stay
// applied) and keeps the window open; only a complete apply saves.
ApplyResult applyOptions(const OptionsChoice& choice, SettingsStore& store, SettingsModel& model,
                         OptionsApplyHost& host);

} // namespace fw
