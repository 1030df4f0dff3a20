#include "app/TimerSeries.h"

#include "app/CounterWindow.h"
#include "capture/TimerMode.h"
#include "settings/SettingsModel.h"

namespace fw {

TimerSeries::TimerSeries(CaptureController& capture, const SettingsValues& settings,
                         std::function<Rect()> workArea)
    : capture_(capture), settings_(settings), workArea_(std::move(workArea)) {}

TimerSeries::~TimerSeries() = default;

void TimerSeries::start() {
    if (!window_) {
        window_ = std::make_unique<CounterWindow>();
        window_->onTick = [this] { tick(); };
        window_->onStop = [this] { capture_.CancelCapture(); };
    }
    serial_ = capture_.captureSerial();
    // The settings of the series are those of its start.
    const TimerModeSettings timer = sanitized(
        TimerModeSettings{settings_.timerModeInterval, settings_.timerModeIntervalType,
                          settings_.timerModeRepeatCount, settings_.timerModeCounterPosition});
    countdownSeconds_ = countdownSeconds(timer.interval, timer.intervalType);
    remainingCaptures_ = timer.repeatCount;
    ticking_ = settings_.timerModeTickingSound;
    showCounter_ = settings_.timerModeShowCounter;
    position_ = static_cast<uint32_t>(timer.counterPosition);
    beginCountdown();
}

void TimerSeries::scheduleNextCountdown() {
    if (window_ && remainingCaptures_ > 0) {
        beginCountdown();
    }
}

void TimerSeries::beginCountdown() {
    remainingSeconds_ = countdownSeconds_;
    window_->setSeconds(remainingSeconds_);
    // Placed anew each time: the work area may have changed between captures.
    window_->place(workArea_(), position_, showCounter_);
    // Shown even when it stands off screen: the tick timer belongs to it.
    window_->showNoActivate();
    window_->startTicking();
}

void TimerSeries::tick() {
    --remainingSeconds_;
    if (remainingSeconds_ > 0) {
        if (ticking_) {
            capture_.playSound(u"timer");
        }
        window_->setSeconds(remainingSeconds_);
        return;
    }
    // The counter leaves the screen before the grab that follows.
    window_->stopTicking();
    window_->hide();
    if (!capture_.timerModeCountdownEnded(serial_, showCounter_)) {
        // Stale, or stopped for want of space (the capture is cancelled).
        halt();
        return;
    }
    --remainingCaptures_;
}

void TimerSeries::halt() {
    remainingSeconds_ = 0;
    remainingCaptures_ = 0;
    if (window_) {
        window_->stopTicking();
        window_->hide();
    }
}

} // namespace fw
