#pragma once
// Decides when the usage report is sent: at most once per five days, only
// while the user is idle, only with something to report; hourly retries after
// a failure. Runs on the user-interface thread on timer 1.
#include "stats/StatisticsBotThread.h"
#include "ui/TimerService.h"

#include <cstdint>
#include <memory>

namespace fw {

// The clock and the idle time, replaceable in tests.
class StatisticsEnvironment {
public:
    virtual ~StatisticsEnvironment() = default;
    virtual int64_t secondsSince1970() const = 0;
    virtual uint32_t idleMilliseconds() const = 0;
    // Milliseconds since an arbitrary start, for the wait at exit.
    virtual uint32_t tickCount() const;
};

// The operating system's clock and last-input time.
class SystemStatisticsEnvironment : public StatisticsEnvironment {
public:
    int64_t secondsSince1970() const override;
    uint32_t idleMilliseconds() const override;
};

// The counters of the settings model; the schedule reads and updates them.
struct StatisticsValues;

class StatisticsSchedule : public TimerOwner {
public:
    static constexpr int32_t kTimerId = 1;
    static constexpr int32_t kCheckIntervalMs = 60000;
    static constexpr int32_t kRetryIntervalMs = 3600000;
    static constexpr int64_t kMinimumGapSeconds = 432000;
    static constexpr uint32_t kIdleSeconds = 30;
    static constexpr uint32_t kExitWaitMs = 3000;

    // Gives the sender its target once and subscribes to its completion.
    // `values` and `environment` must outlive the schedule.
    StatisticsSchedule(StatisticsValues& values, std::unique_ptr<ReportSender> sender,
                       const StatisticsEnvironment& environment, WideString userAgent,
                       WideString host = kStatisticsHost);
    // Stops the timer and waits for a running sender, kExitWaitMs at most: a
    // report still on its way then is left to the end of the process, and its
    // count, still pending, goes with the next report.
    ~StatisticsSchedule() override;

    // At start-up: starts timer 1 when sending is enabled.
    void begin();
    void OnTimer(int32_t identifier) override;
    bool trySend();
    void onSendFinished();

    bool isBusy() const { return busy_; }
    int32_t checkInterval() const { return checkInterval_; }

private:
    StatisticsValues& values_;
    const StatisticsEnvironment& environment_;
    int32_t checkInterval_ = kCheckIntervalMs;
    int32_t reported_ = 0;
    std::unique_ptr<ReportSender> sender_;
    bool busy_ = false;
};

// The program's schedule: the sender thread, the system clock and idle time, and
// the statistics host. `userAgent` names the program and its version only.
std::unique_ptr<StatisticsSchedule> makeStatisticsSchedule(StatisticsValues& values,
                                                           WideString userAgent);

} // namespace fw
