#include "app/CounterWindow.h"
#include "app/FakeCaptureSystem.h"
#include "app/TimerSeries.h"

#include <algorithm>

namespace fw {
namespace {

constexpr Rect kWorkArea{0, 0, 1000, 700};

class TimerSeriesTest : public CaptureFixture {
protected:
    TimerSeriesTest() : series(*controller, settings, [] { return kWorkArea; }) {
        controller->setTimerMode(&series);
        settings.timerModeInterval = 3;
        settings.timerModeRepeatCount = 2;
    }
    ~TimerSeriesTest() override { controller->setTimerMode(nullptr); }

    CounterWindow& counter() { return *series.counterWindow(); }
    // One second of the countdown, as the counter window's timer gives it.
    void tick() {
        ASSERT_TRUE(counter().isTicking());
        counter().OnTimer(CounterWindow::kTickTimer);
    }
    size_t ticksHeard() const {
        return std::count(system->sounds.begin(), system->sounds.end(),
                          u"C:\\Program\\data\\sounds\\timer.wav");
    }

    TimerSeries series;
};

TEST_F(TimerSeriesTest, EachCountdownTicksOnceLessThanItsSecondsThenGrabs) {
    controller->StartCapture(CaptureMode::Timer);
    for (int shot = 1; shot <= 2; ++shot) {
        ASSERT_TRUE(counter().isShown());
        EXPECT_EQ(counter().secondsText(), u"3");
        tick();
        EXPECT_EQ(counter().secondsText(), u"2");
        tick();
        EXPECT_EQ(counter().secondsText(), u"1");
        tick();
        // Zero: the counter is gone before the grab and nothing ticks meanwhile.
        EXPECT_FALSE(counter().isShown());
        EXPECT_FALSE(counter().isTicking());
        EXPECT_TRUE(system->saved.size() == static_cast<size_t>(shot - 1));
        expire(CaptureController::kTimerModeGrabTimer);
        EXPECT_EQ(system->saved.size(), static_cast<size_t>(shot));
        EXPECT_EQ(ticksHeard(), static_cast<size_t>(2 * shot));
    }
    EXPECT_FALSE(counter().isShown());
    EXPECT_FALSE(controller->isCapturing());
    EXPECT_TRUE(system->mainVisible);

    // Without the ticking sound, or with sounds off, the countdown is silent.
    for (auto [ticking, sounds] : {std::pair{false, true}, {true, false}}) {
        settings.timerModeTickingSound = ticking;
        settings.playSound = sounds;
        settings.timerModeRepeatCount = 1;
        controller->StartCapture(CaptureMode::Timer);
        tick();
        tick();
        tick();
        expire(CaptureController::kTimerModeGrabTimer);
    }
    EXPECT_EQ(ticksHeard(), 4u);
    EXPECT_EQ(system->saved.size(), 4u);
}

TEST_F(TimerSeriesTest, CounterStandsAtItsPositionOrOffScreen) {
    settings.timerModeRepeatCount = 1;
    settings.timerModeCounterPosition = 5; // top left
    controller->StartCapture(CaptureMode::Timer);
    const Rect shown = counter().screenRect();
    EXPECT_EQ(shown.x, CounterWindow::kMargin);
    EXPECT_EQ(shown.y, CounterWindow::kMargin);
    EXPECT_FALSE(shown.isEmpty());
    controller->CancelCapture();

    // Hidden counter: shown far away (its timer still runs), captures still happen.
    settings.timerModeShowCounter = false;
    controller->StartCapture(CaptureMode::Timer);
    EXPECT_TRUE(counter().isShown());
    EXPECT_EQ(counter().screenRect().x, -10000);
    tick();
    tick();
    tick();
    expire(CaptureController::kTimerModeGrabTimer);
    EXPECT_EQ(system->saved.size(), 1u);
}

} // namespace
} // namespace fw
