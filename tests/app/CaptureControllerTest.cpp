#include "app/FakeCaptureSystem.h"
#include "ui/NativeDialogs.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

using CaptureControllerTest = CaptureFixture;

TEST_F(CaptureControllerTest, FullScreenWaitsTheClampedDelayOnATimerAndSavesOnce) {
    for (auto [configured, used] : {std::pair{0, 200}, {50, 200}, {5000, 1000}, {700, 700}}) {
        settings.captureDelay = configured;
        controller->StartCapture(CaptureMode::FullScreen);
        EXPECT_EQ(controller->captureDelay(), used);
        EXPECT_FALSE(system->mainVisible);
        EXPECT_FALSE(timerService().isRunning(&watch, CaptureController::kHistoryWatchTimer));
        // A second trigger while the first waits changes nothing.
        controller->StartCapture(CaptureMode::FullScreen);
        EXPECT_TRUE(system->saved.empty());
        expire(CaptureController::kFullScreenDelayTimer);
        ASSERT_EQ(system->saved.size(), 1u);
        EXPECT_EQ(system->saved[0].width(), 8);
        EXPECT_FALSE(controller->isCapturing());
        EXPECT_TRUE(system->mainVisible);
        EXPECT_TRUE(timerService().isRunning(&watch, CaptureController::kHistoryWatchTimer));
        system->saved.clear();
    }
    EXPECT_EQ(system->sounds, std::vector<WideString>(4, u"C:\\Program\\data\\sounds\\shot.wav"));
    // A cancel arriving after the capture ended leaves the main window as it is.
    system->mainVisible = false;
    controller->CancelCapture();
    EXPECT_FALSE(system->mainVisible);
}

TEST_F(CaptureControllerTest, OtherOpenWindowsOrDialogsBlockTheTrigger) {
    struct Case {
        int32_t windows;
        bool mainVisible;
        bool starts;
    } cases[] = {{0, false, true}, {1, true, true}, {1, false, false}, {2, true, false}};
    for (const Case& c : cases) {
        system->windows = c.windows;
        system->mainVisible = c.mainVisible;
        controller->StartCapture(CaptureMode::FullScreen);
        EXPECT_EQ(controller->isCapturing(), c.starts) << c.windows << c.mainVisible;
        controller->CancelCapture();
    }
    system->windows = 1;
    system->mainVisible = true;
    runNativeDialog([&] { controller->StartCapture(CaptureMode::FullScreen); });
    EXPECT_FALSE(controller->isCapturing());
    controller->StartCapture(static_cast<CaptureMode>(7));
    EXPECT_FALSE(controller->isCapturing());
}

TEST_F(CaptureControllerTest, FreeSpaceMustExceedOneHundredMebibytesOnTheOutputVolume) {
    system->freeBytes = 104857600;
    controller->StartCapture(CaptureMode::FullScreen);
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_EQ(system->messages, std::vector<WideString>{u"Not enough free disk space."});
    EXPECT_TRUE(system->mainVisible);

    system->freeBytes = 104857601;
    // A network share is asked for its own free space.
    for (const char16_t* accepted :
         {u"C:\\Shots", u"\\\\server\\share\\shots", u"\\\\server\\share",
          u"\\\\?\\UNC\\server\\share\\shots", u"\\\\?\\c:\\a"}) {
        EXPECT_TRUE(hasEnoughFreeSpace(accepted, *system)) << toUtf8(accepted);
    }
    // Unknown space (another share, a drive that is not there) or no volume at all.
    for (const char16_t* refused :
         {u"\\\\server\\other\\shots", u"\\\\server\\", u"\\\\server", u"\\\\\\share",
          u"\\\\.\\pipe\\x", u"D:\\Shots", u":\\x", u""}) {
        EXPECT_FALSE(hasEnoughFreeSpace(refused, *system)) << toUtf8(refused);
    }
    settings.outputFolder = u"\\\\server\\share\\shots";
    controller->StartCapture(CaptureMode::FullScreen);
    EXPECT_TRUE(controller->isCapturing());
    controller->CancelCapture();
    system->freeBytes = 1000;
    controller->StartCapture(CaptureMode::FullScreen);
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_EQ(system->messages.size(), 2u);
}

TEST_F(CaptureControllerTest, OverlayOutcomes) {
    // Without an overlay the capture ends at once and the main window returns.
    system->overlay = false;
    controller->StartCapture(CaptureMode::Region);
    expire(CaptureController::kOverlayDelayTimer);
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_TRUE(system->mainVisible);

    system->overlay = true;
    for (CaptureMode mode : {CaptureMode::Region, CaptureMode::Window}) {
        controller->StartCapture(mode);
        expire(CaptureController::kOverlayDelayTimer);
        controller->OnOverlayResult(OverlayResult::Accept); // nothing picked
        EXPECT_FALSE(controller->isCapturing());
    }
    controller->StartCapture(CaptureMode::Region);
    expire(CaptureController::kOverlayDelayTimer);
    controller->selection().region = Rect{2, 1, 4, 3};
    controller->OnOverlayResult(OverlayResult::Accept);
    expire(CaptureController::kSelectionDelayTimer);
    ASSERT_EQ(system->saved.size(), 1u);
    EXPECT_EQ(system->saved[0].width(), 4);
    EXPECT_EQ(system->saved[0].height(), 3);
    // The cursor is parked off screen for the grab and put back.
    EXPECT_EQ(system->cursorMoves, (std::vector<Point>{{10000, -10000}, {3, 4}}));
    // Every overlay had the dimmed screen behind it; of the screens only the
    // frozen one outlives its capture.
    ASSERT_EQ(system->overlayBackgrounds.size(), 4u);
    for (const Image& background : system->overlayBackgrounds) {
        EXPECT_EQ(background.width(), 8);
    }
    EXPECT_TRUE(controller->state().dimmedScreen.isEmpty());
    EXPECT_TRUE(controller->state().resultImage.isEmpty());
}

TEST_F(CaptureControllerTest, WorkAreaOnlyWithOneMonitorAndNothingSavedWhenEmpty) {
    settings.fullScreenModeWorkArea = true;
    settings.playSound = false;
    for (auto [monitors, height] : {std::pair{1, 5}, {2, 6}}) {
        system->monitors = monitors;
        controller->StartCapture(CaptureMode::FullScreen);
        expire(CaptureController::kFullScreenDelayTimer);
        ASSERT_EQ(system->saved.size(), 1u);
        EXPECT_EQ(system->saved[0].height(), height);
        system->saved.clear();
    }
    system->monitors = 1;
    system->work = Rect{6, 0, 4, 4}; // reaches past the grab
    controller->StartCapture(CaptureMode::FullScreen);
    expire(CaptureController::kFullScreenDelayTimer);
    EXPECT_TRUE(system->saved.empty());
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_TRUE(system->sounds.empty());
}

class FakeTimerMode : public TimerModeRunner {
public:
    int started = 0;
    int repeats = 1;
    int scheduled = 0;
    int halted = 0;
    void start() override { ++started; }
    bool hasRepeatsLeft() const override { return repeats > 0; }
    void scheduleNextCountdown() override {
        ++scheduled;
        --repeats;
    }
    void halt() override { ++halted; }
};

TEST_F(CaptureControllerTest, TimerModeRepeatsUntilItsSeriesOrTheDiskEnds) {
    controller->StartCapture(CaptureMode::Timer); // no timer mode: nothing starts
    EXPECT_FALSE(controller->isCapturing());
    FakeTimerMode timerMode;
    controller->setTimerMode(&timerMode);
    controller->StartCapture(CaptureMode::Timer);
    EXPECT_EQ(timerMode.started, 1);
    const uint32_t serial = controller->captureSerial();
    for (int shot = 1; shot <= 2; ++shot) {
        ASSERT_TRUE(controller->timerModeCountdownEnded(serial, false));
        // A second end of the same countdown makes no second file.
        EXPECT_FALSE(controller->timerModeCountdownEnded(serial, false));
        expire(CaptureController::kTimerModeGrabTimer);
        EXPECT_EQ(system->saved.size(), static_cast<size_t>(shot));
    }
    EXPECT_EQ(timerMode.scheduled, 1);
    EXPECT_FALSE(controller->isCapturing());

    // Low space at the second countdown: the series is halted, its first file
    // stays and is written to the history, the message follows.
    int historySaves = 0;
    system->onSaveHistory = [&] { ++historySaves; };
    timerMode.repeats = 3;
    controller->StartCapture(CaptureMode::Timer);
    ASSERT_TRUE(controller->timerModeCountdownEnded(controller->captureSerial(), false));
    expire(CaptureController::kTimerModeGrabTimer);
    system->freeBytes = 1000;
    EXPECT_FALSE(controller->timerModeCountdownEnded(controller->captureSerial(), false));
    EXPECT_FALSE(running(CaptureController::kTimerModeGrabTimer));
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_EQ(timerMode.halted, 1);
    EXPECT_EQ(historySaves, 1);
    EXPECT_EQ(system->saved.size(), 3u);
    EXPECT_EQ(system->messages.size(), 1u);
    EXPECT_TRUE(system->mainVisible);
}

TEST_F(CaptureControllerTest, LateTimersAndStaleCountdownsGrabNothing) {
    FakeTimerMode timerMode;
    controller->setTimerMode(&timerMode);
    // A delay expiring with no capture in progress.
    controller->OnTimer(CaptureController::kFullScreenDelayTimer);
    controller->OnTimer(CaptureController::kTimerModeGrabTimer);
    EXPECT_TRUE(system->saved.empty());

    // Cancelled during its countdown, then PrintScreen: exactly one file, even
    // when the old countdown ends during the new capture's delay.
    controller->StartCapture(CaptureMode::Timer);
    const uint32_t cancelled = controller->captureSerial();
    controller->CancelCapture();
    EXPECT_EQ(timerMode.halted, 1);
    controller->StartCapture(CaptureMode::FullScreen);
    EXPECT_FALSE(controller->timerModeCountdownEnded(cancelled, false));
    EXPECT_FALSE(running(CaptureController::kTimerModeGrabTimer));
    expire(CaptureController::kFullScreenDelayTimer);
    EXPECT_EQ(system->saved.size(), 1u);
    EXPECT_EQ(timerMode.halted, 1); // a full-screen end halts no series

    // A stale countdown end after a new timer capture started grabs nothing;
    // the new one's own does.
    controller->StartCapture(CaptureMode::Timer);
    const uint32_t stale = controller->captureSerial();
    controller->CancelCapture();
    controller->StartCapture(CaptureMode::Timer);
    EXPECT_FALSE(controller->timerModeCountdownEnded(stale, false));
    EXPECT_FALSE(running(CaptureController::kTimerModeGrabTimer));
    EXPECT_TRUE(controller->timerModeCountdownEnded(controller->captureSerial(), false));
    expire(CaptureController::kTimerModeGrabTimer);
    EXPECT_EQ(system->saved.size(), 2u);
}

} // namespace
} // namespace fw
