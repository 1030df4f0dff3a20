#include "ui/TimerService.h"

namespace fw {

TimerOwner::~TimerOwner() {
    timerService().stopAllTimers(this);
}

TimerService::TimerService(std::unique_ptr<TimerBackend> backend) : backend_(std::move(backend)) {}

void TimerService::StartTimer(TimerOwner* owner, int32_t identifier, int32_t intervalMs) {
    if (isRunning(owner, identifier)) {
        return;
    }
    uint32_t interval = intervalMs > 0 ? static_cast<uint32_t>(intervalMs) : 0;
    uint32_t systemTimer = backend_->startSystemTimer(interval);
    if (systemTimer == 0) {
        return;
    }
    records_.push_back(Record{owner, identifier, systemTimer});
}

void TimerService::StopTimer(TimerOwner* owner, int32_t identifier) {
    for (auto it = records_.begin(); it != records_.end(); ++it) {
        if (it->owner == owner && it->identifier == identifier) {
            backend_->stopSystemTimer(it->systemTimer);
            records_.erase(it);
            return;
        }
    }
}

void TimerService::stopAllTimers(TimerOwner* owner) {
    for (auto it = records_.begin(); it != records_.end();) {
        if (it->owner == owner) {
            backend_->stopSystemTimer(it->systemTimer);
            it = records_.erase(it);
        } else {
            ++it;
        }
    }
}

bool TimerService::isRunning(const TimerOwner* owner, int32_t identifier) const {
    for (const Record& record : records_) {
        if (record.owner == owner && record.identifier == identifier) {
            return true;
        }
    }
    return false;
}

void TimerService::dispatch(uint32_t systemTimer) {
    for (const Record& record : records_) {
        if (record.systemTimer == systemTimer) {
            // The handler may start or stop timers: copy before calling.
            TimerOwner* owner = record.owner;
            int32_t identifier = record.identifier;
            owner->OnTimer(identifier);
            return;
        }
    }
}

TimerService& timerService() {
    static TimerService service(makePlatformTimerBackend());
    return service;
}

} // namespace fw
