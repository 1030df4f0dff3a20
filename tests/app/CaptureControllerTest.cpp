#include "app/CaptureController.h"
#include "settings/SettingsModel.h"
#include "ui/NativeDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace fw {
namespace {

class FakeSystem : public CaptureSystem {
public:
    int32_t windows = 1;
    bool mainVisible = true;
    uint32_t drives = 1u << 2; // C:
    uint64_t freeBytes = 1ull << 40;
    std::vector<WideString> volumes = {u"C:\\", u"\\\\server\\share\\"};
    int32_t monitors = 1;
    Rect work{0, 0, 8, 5};
    bool overlay = true;
    bool soundFileExists = true;
    std::vector<WideString> messages;
    std::vector<WideString> sounds;
    std::vector<Image> saved;
    std::vector<Point> cursorMoves;
    std::vector<Image> overlayBackgrounds;

    int32_t openWindowCount() override { return windows; }
    bool isMainWindowVisible() override { return mainVisible; }
    void showMainWindow() override { mainVisible = true; }
    void hideMainWindow() override { mainVisible = false; }
    void showMessage(WideStringView text) override { messages.emplace_back(text); }
    uint32_t logicalDrives() override { return drives; }
    bool freeDiskSpace(WideStringView root, uint64_t& bytes) override {
        bytes = freeBytes;
        return std::find(volumes.begin(), volumes.end(), root) != volumes.end();
    }
    Rect virtualScreen() override { return Rect{0, 0, 8, 6}; }
    int32_t monitorCount() override { return monitors; }
    Rect primaryWorkArea() override { return work; }
    Image grabScreenRect(const Rect& r, Image) override { return Image(true, r.width, r.height); }
    Image grabWindow(void*, const Rect& r) override { return Image(true, r.width, r.height); }
    void captureCursor(CaptureState&) override {}
    Point cursorPosition() override { return Point{3, 4}; }
    void moveCursor(Point position) override { cursorMoves.push_back(position); }
    void pause(int32_t) override {}
    bool showOverlay(CaptureState& state) override {
        overlayBackgrounds.push_back(state.dimmedScreen);
        return overlay;
    }
    void hideOverlay() override {}
    WideString programFolder() override { return u"C:\\Program"; }
    bool fileExists(WideStringView) override { return soundFileExists; }
    void playSound(WideStringView path) override { sounds.emplace_back(path); }
    SaveResult saveScreenshot(const Image& image, const CaptureInfo&) override {
        saved.push_back(image);
        return SaveResult::Saved;
    }
    void saveHistory() override {}
};

class HistoryWatch : public TimerOwner {
    void OnTimer(int32_t) override {}
};

class CaptureControllerTest : public ::testing::Test {
protected:
    CaptureControllerTest() {
        auto owned = std::make_unique<FakeSystem>();
        system = owned.get();
        settings.outputFolder = u"c:\\Shots";
        controller = std::make_unique<CaptureController>(std::move(owned), settings, watch);
    }
    bool running(int32_t timer) { return timerService().isRunning(controller.get(), timer); }
    // Lets a running timer expire, as the message loop would.
    void expire(int32_t timer) {
        ASSERT_TRUE(running(timer)) << timer;
        controller->OnTimer(timer);
        EXPECT_FALSE(running(timer)) << timer;
    }

    SettingsValues settings;
    HistoryWatch watch;
    FakeSystem* system = nullptr;
    std::unique_ptr<CaptureController> controller;
};

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
    void start() override { ++started; }
    bool hasRepeatsLeft() const override { return repeats > 0; }
    void scheduleNextCountdown() override {
        ++scheduled;
        --repeats;
    }
};

TEST_F(CaptureControllerTest, TimerModeRepeatsUntilItsSeriesOrTheDiskEnds) {
    controller->StartCapture(CaptureMode::Timer); // no timer mode: nothing starts
    EXPECT_FALSE(controller->isCapturing());
    FakeTimerMode timerMode;
    controller->setTimerMode(&timerMode);
    controller->StartCapture(CaptureMode::Timer);
    EXPECT_EQ(timerMode.started, 1);
    for (int shot = 1; shot <= 2; ++shot) {
        ASSERT_TRUE(controller->timerModeCountdownEnded());
        expire(CaptureController::kTimerModeGrabTimer);
        EXPECT_EQ(system->saved.size(), static_cast<size_t>(shot));
    }
    EXPECT_EQ(timerMode.scheduled, 1);
    EXPECT_FALSE(controller->isCapturing());

    timerMode.repeats = 3;
    controller->StartCapture(CaptureMode::Timer);
    system->freeBytes = 1000;
    EXPECT_FALSE(controller->timerModeCountdownEnded());
    EXPECT_FALSE(running(CaptureController::kTimerModeGrabTimer));
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_EQ(system->messages.size(), 1u);
}

} // namespace
} // namespace fw
