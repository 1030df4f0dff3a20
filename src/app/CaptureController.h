#pragma once
// The capture pipeline: carries one capture from its trigger through the
// capture delay, the selection overlay and the grab to the saved file, and back
// to idle. It runs on the user-interface thread; every wait is a toolkit timer
// whose handler stops it before acting.
#include "app/CaptureSystem.h"
#include "capture/CaptureMode.h"
#include "capture/CapturePipeline.h"
#include "capture/ScreenCapture.h"
#include "ui/TimerService.h"

#include <memory>

namespace fw {

struct SettingsValues;

// Free-space rule shared with the timer mode: the output folder's volume must
// have more than 100 MiB available. The volume is the drive ("C:\" from the
// letter before the last colon, which must be a logical drive) or the network
// share ("\\server\share\", also from "\\?\UNC\server\share"); a path that
// names neither, or whose free space is unknown, fails.
constexpr uint64_t kMinimumFreeBytes = 100ull * 1024 * 1024;
WideString volumeRootOf(WideStringView folder);
bool hasEnoughFreeSpace(WideStringView folder, CaptureSystem& system);

// The capture delay is kept within these bounds whatever the settings say.
constexpr int32_t kMinCaptureDelayMs = 200;
constexpr int32_t kMaxCaptureDelayMs = 1000;
int32_t clampCaptureDelay(int32_t milliseconds);

// What the overlay picked; reset at the start of every capture.
struct OverlaySelection {
    Rect region; // in frozen-screen coordinates
    void* window = nullptr;
    Rect windowRect; // screen coordinates
    Point savedCursor;
    bool hasSavedCursor = false;
};

enum class OverlayResult : int32_t { Accept = 1, Cancel = 2 };

// Whether a capture could start now: Busy covers a capture in progress,
// another window or dialog of the program, and a mode the program lacks.
enum class CaptureReadiness { Ready, Busy, NoSpace };

// The timer mode's series, driven by the pipeline between its grabs.
class TimerModeRunner {
public:
    virtual ~TimerModeRunner() = default;
    // A series for the capture that has just started (captureSerial()).
    virtual void start() = 0;
    virtual bool hasRepeatsLeft() const = 0;
    virtual void scheduleNextCountdown() = 0;
    // The capture was cancelled: stop counting and hide, without calling back.
    virtual void halt() = 0;
};

class CaptureController : public CapturePipeline, public TimerOwner {
public:
    static constexpr int32_t kFullScreenDelayTimer = 2000;
    static constexpr int32_t kTimerModeGrabTimer = 2001;
    static constexpr int32_t kOverlayDelayTimer = 2002;
    static constexpr int32_t kSelectionDelayTimer = 2005;
    static constexpr int32_t kTimerModeGrabDelayMs = 10;
    static constexpr int32_t kHistoryWatchTimer = 2006;
    static constexpr int32_t kHistoryWatchIntervalMs = 3000;
    static constexpr Point kCursorParking{10000, -10000};
    static constexpr int32_t kRegionSettleMs = 200;

    // `settings` is read at every start; `historyWatch` owns timer 2006.
    CaptureController(std::unique_ptr<CaptureSystem> system, const SettingsValues& settings,
                      TimerOwner& historyWatch);
    ~CaptureController() override;

    void StartCapture(CaptureMode mode) override;
    // What StartCapture would find, without starting or telling the user anything.
    CaptureReadiness readiness(CaptureMode mode);
    // Another window or dialog of the program is open, besides the main window.
    bool isOtherWindowOpen() { return othersOpen(); }
    void OnOverlayResult(OverlayResult result);
    void CancelCapture();
    void OnTimer(int32_t identifier) override;

    // The timer mode's countdown of capture `serial` reached zero. False when
    // that capture is no longer the timer-mode capture in progress, or when
    // the free-space test fails (the capture is cancelled and the message shown).
    // A counter that was just taken off the screen is given the capture delay
    // to disappear before the grab, as the main window is.
    bool timerModeCountdownEnded(uint32_t serial, bool counterWasOnScreen);
    void setTimerMode(TimerModeRunner* runner) { timerMode_ = runner; }
    // Changes at every start, so that a late countdown can tell it is stale.
    uint32_t captureSerial() const { return serial_; }
    // Plays data\sounds\<name>.wav when sounds are on.
    void playSound(WideStringView name);

    bool isCapturing() const { return capturing_; }
    CaptureMode mode() const { return mode_; }
    int32_t captureDelay() const { return captureDelay_; }
    void setCaptureDelay(int32_t milliseconds) { captureDelay_ = clampCaptureDelay(milliseconds); }
    OverlaySelection& selection() { return selection_; }
    CaptureState& state() { return state_; }

private:
    bool othersOpen();
    void openOverlay();
    void Grab();
    bool grabForMode();
    void FinishCapture();
    void releaseImages();
    void restoreMainWindow();
    // The mode whose grab the timer `identifier` leads to.
    bool grabTimerFitsMode(int32_t identifier) const;

    std::unique_ptr<CaptureSystem> system_;
    const SettingsValues& settings_;
    TimerOwner& historyWatch_;
    TimerModeRunner* timerMode_ = nullptr;
    bool capturing_ = false;
    bool mainWasHidden_ = false;
    // A screenshot of this capture was saved: a cancelled series still
    // writes the history of the files it made.
    bool savedDuringCapture_ = false;
    uint32_t serial_ = 0;
    CaptureMode mode_ = CaptureMode::FullScreen;
    int32_t captureDelay_ = kMinCaptureDelayMs;
    bool playSound_ = true;
    OverlaySelection selection_;
    CaptureState state_;
};

} // namespace fw
