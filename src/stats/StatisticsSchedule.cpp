#include "stats/StatisticsSchedule.h"

#include "platform/Time.h"
#include "platform/UserActivity.h"

#include <algorithm>

namespace fw {

int64_t SystemStatisticsEnvironment::secondsSince1970() const {
    return os::secondsSince1970();
}

uint32_t SystemStatisticsEnvironment::idleMilliseconds() const {
    return os::userIdleMilliseconds();
}

StatisticsSchedule::StatisticsSchedule(std::unique_ptr<ReportSender> sender,
                                       const StatisticsEnvironment& environment,
                                       WideString userAgent, WideString host)
    : environment_(environment), sender_(std::move(sender)) {
    sender_->setTarget(std::move(userAgent), std::move(host), kStatisticsPath);
    sender_->setFinishedHandler([this] { onSendFinished(); });
}

StatisticsSchedule::~StatisticsSchedule() {
    StopTimer(this, kTimerId);
    while (sender_->isRunning()) {
        os::sleepMs(5);
    }
    sender_.reset();
}

void StatisticsSchedule::load(const StatisticsCounters& counters) {
    counters_ = counters;
    int64_t now = environment_.secondsSince1970();
    if (counters_.lastSend < 0 || counters_.lastSend > now) {
        counters_.lastSend = 0;
    }
    counters_.pending = std::max(counters_.pending, 0);
    counters_.runs = std::max(counters_.runs, 0);
    counters_.total = std::max(counters_.total, 0);
}

void StatisticsSchedule::setEnabled(bool enabled) {
    counters_.enabled = enabled;
    if (!enabled) {
        StopTimer(this, kTimerId);
    }
}

void StatisticsSchedule::countScreenshot() {
    counters_.pending = counters_.pending < INT32_MAX ? counters_.pending + 1 : INT32_MAX;
    counters_.total = counters_.total < INT32_MAX ? counters_.total + 1 : INT32_MAX;
}

void StatisticsSchedule::countRun() {
    counters_.runs = counters_.runs < INT32_MAX ? counters_.runs + 1 : INT32_MAX;
}

void StatisticsSchedule::begin() {
    if (counters_.enabled) {
        StartTimer(this, kTimerId, checkInterval_);
    }
}

void StatisticsSchedule::OnTimer(int32_t identifier) {
    if (identifier != kTimerId) {
        return;
    }
    int64_t sinceLast = environment_.secondsSince1970() - counters_.lastSend;
    if (sinceLast < 0 || sinceLast < kMinimumGapSeconds) {
        StopTimer(this, kTimerId);
        return;
    }
    trySend();
}

bool StatisticsSchedule::trySend() {
    // Checked here as well as at start-up: nothing is sent once the user said no.
    if (busy_ || !counters_.enabled) {
        return false;
    }
    if (environment_.idleMilliseconds() / 1000 <= kIdleSeconds) {
        return false;
    }
    if (counters_.pending <= 0) {
        return false;
    }
    StopTimer(this, kTimerId);
    reported_ = counters_.pending;
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
        counters_.pending = std::max(counters_.pending - reported_, 0);
        counters_.lastSend = environment_.secondsSince1970();
    } else {
        checkInterval_ = kRetryIntervalMs;
        if (counters_.enabled) {
            StartTimer(this, kTimerId, checkInterval_);
        }
    }
    sender_->clearItems();
    busy_ = false;
}

} // namespace fw
