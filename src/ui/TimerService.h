#pragma once
// Toolkit timers: every delay of the user interface runs through here, on the
// user-interface thread. At most one timer runs per (owner, identifier).
#include <cstdint>
#include <list>
#include <memory>

namespace fw {

class TimerOwner {
public:
    TimerOwner() = default;
    TimerOwner(const TimerOwner&) = delete;
    TimerOwner& operator=(const TimerOwner&) = delete;
    // Stops the owner's timers, so that no expiry ever reaches a destroyed owner.
    virtual ~TimerOwner();
    virtual void OnTimer(int32_t identifier) = 0;
};

// The operating system's repeating timers; returns 0 when none could be made.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    virtual uint32_t startSystemTimer(uint32_t intervalMs) = 0;
    virtual void stopSystemTimer(uint32_t systemTimer) = 0;
};

class TimerService {
public:
    explicit TimerService(std::unique_ptr<TimerBackend> backend);

    // A second start of a running (owner, identifier) keeps the first interval.
    void StartTimer(TimerOwner* owner, int32_t identifier, int32_t intervalMs);
    // Stopping a timer that does not run does nothing.
    void StopTimer(TimerOwner* owner, int32_t identifier);
    void stopAllTimers(TimerOwner* owner);
    bool isRunning(const TimerOwner* owner, int32_t identifier) const;
    size_t count() const { return records_.size(); }

    // Called by the backend on every expiry of a system timer.
    void dispatch(uint32_t systemTimer);

private:
    struct Record {
        TimerOwner* owner;
        int32_t identifier;
        uint32_t systemTimer;
    };
    std::list<Record> records_;
    std::unique_ptr<TimerBackend> backend_;
};

// The process-wide service with the platform's backend.
TimerService& timerService();
std::unique_ptr<TimerBackend> makePlatformTimerBackend();

inline void StartTimer(TimerOwner* owner, int32_t identifier, int32_t intervalMs) {
    timerService().StartTimer(owner, identifier, intervalMs);
}
inline void StopTimer(TimerOwner* owner, int32_t identifier) {
    timerService().StopTimer(owner, identifier);
}

} // namespace fw
