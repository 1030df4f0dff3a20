#include "stats/StatisticsSchedule.h"

#include "platform/Time.h"
#include "platform/UserActivity.h"
#include "settings/SettingsModel.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// Senders still running at exit. Never destroyed, since their thread still
// reads them; the end of the process stops that thread.
void leaveRunning(std::unique_ptr<ReportSender> sender) {
    static auto* const running = new std::vector<std::unique_ptr<ReportSender>>();
    running->push_back(std::move(sender));
}

} // namespace

uint32_t StatisticsEnvironment::tickCount() const {
    return os::tickCount();
}

int64_t SystemStatisticsEnvironment::secondsSince1970() const {
    return os::secondsSince1970();
}

uint32_t SystemStatisticsEnvironment::idleMilliseconds() const {
    return os::userIdleMilliseconds();
}

StatisticsSchedule::StatisticsSchedule(StatisticsValues& values,
                                       std::unique_ptr<ReportSender> sender,
                                       const StatisticsEnvironment& environment,
                                       WideString userAgent, WideString host)
    : values_(values), environment_(environment), sender_(std::move(sender)) {
    sender_->setTarget(std::move(userAgent), std::move(host), kStatisticsPath);
    sender_->setFinishedHandler([this] { onSendFinished(); });
}

StatisticsSchedule::~StatisticsSchedule() {
    StopTimer(this, kTimerId);
    const uint32_t started = environment_.tickCount();
    while (sender_->isRunning()) {
        if (environment_.tickCount() - started >= kExitWaitMs) {
            // Its end must not call back into this schedule.
            sender_->setFinishedHandler(nullptr);
            leaveRunning(std::move(sender_));
            return;
        }
        os::sleepMs(5);
    }
    sender_.reset();
}

void StatisticsSchedule::begin() {
    if (values_.isSendEnable) {
        StartTimer(this, kTimerId, checkInterval_);
    }
}

void StatisticsSchedule::OnTimer(int32_t identifier) {
    if (identifier != kTimerId) {
        return;
    }
    int64_t sinceLast = environment_.secondsSince1970() - values_.lastSend;
    if (sinceLast < kMinimumGapSeconds) {
        StopTimer(this, kTimerId);
        return;
    }
    trySend();
}

bool StatisticsSchedule::trySend() {
    // Checked at every attempt, not only at start-up: once the user turns
    // sending off in the options, nothing more is sent in this run.
    if (busy_ || !values_.isSendEnable) {
        return false;
    }
    if (environment_.idleMilliseconds() / 1000 <= kIdleSeconds) {
        return false;
    }
    if (values_.outTotalScreenshots <= 0) {
        return false;
    }
    StopTimer(this, kTimerId);
    reported_ = values_.outTotalScreenshots;
    sender_->addItem(u"total_screenshots", toWide(reported_));
    busy_ = sender_->start();
    if (!busy_) {
        // Keep the attempt repeating, and the next one reporting one item only.
        sender_->clearItems();
        StartTimer(this, kTimerId, checkInterval_);
    }
    return busy_;
}

void StatisticsSchedule::onSendFinished() {
    if (!busy_) {
        return;
    }
    if (sender_->result() == 1) {
        // Screenshots saved while the report was on its way stay pending.
        values_.outTotalScreenshots = std::max(values_.outTotalScreenshots - reported_, 0);
        values_.lastSend = environment_.secondsSince1970();
    } else {
        checkInterval_ = kRetryIntervalMs;
        if (values_.isSendEnable) {
            StartTimer(this, kTimerId, checkInterval_);
        }
    }
    sender_->clearItems();
    busy_ = false;
}

std::unique_ptr<StatisticsSchedule> makeStatisticsSchedule(StatisticsValues& values,
                                                           WideString userAgent) {
    static const SystemStatisticsEnvironment environment;
    return std::make_unique<StatisticsSchedule>(values, std::make_unique<StatisticsBotThread>(),
                                                environment, std::move(userAgent));
}

} // namespace fw
