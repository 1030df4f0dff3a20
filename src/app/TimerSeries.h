#pragma once
// The timer mode's series: counts each countdown down on the counter window,
// ticks audibly when wished, hands every zero to the capture pipeline, and
// starts the next countdown after each saved capture until the series is done.
#include "app/CaptureController.h"

#include <functional>
#include <memory>

namespace fw {

class CounterWindow;
struct SettingsValues;

class TimerSeries : public TimerModeRunner {
public:
    // `workArea` gives the screen area the counter is placed in.
    TimerSeries(CaptureController& capture, const SettingsValues& settings,
                std::function<Rect()> workArea);
    ~TimerSeries() override;

    // TimerModeRunner
    void start() override;
    bool hasRepeatsLeft() const override { return remainingCaptures_ > 0; }
    void scheduleNextCountdown() override;
    void halt() override;

    // One second of the countdown passed (the counter window's tick timer).
    void tick();

    int64_t remainingSeconds() const { return remainingSeconds_; }
    int32_t remainingCaptures() const { return remainingCaptures_; }
    // Null until the first series starts; kept for the rest of the run.
    CounterWindow* counterWindow() const { return window_.get(); }

private:
    void beginCountdown();

    CaptureController& capture_;
    const SettingsValues& settings_;
    std::function<Rect()> workArea_;
    std::unique_ptr<CounterWindow> window_;
    uint32_t serial_ = 0;
    int64_t countdownSeconds_ = 0;
    int64_t remainingSeconds_ = 0;
    int32_t remainingCaptures_ = 0;
    bool ticking_ = false;
    bool showCounter_ = true;
    uint32_t position_ = 0;
};

} // namespace fw
