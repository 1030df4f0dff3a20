#include "platform/Time.h"

#include <ctime>
#include <time.h>

namespace fw::os {

static DateTime fromTimespec(const timespec& now, bool local) {
    std::tm tm{};
    if (local) {
        ::localtime_r(&now.tv_sec, &tm);
    } else {
        ::gmtime_r(&now.tv_sec, &tm);
    }
    return DateTime{
        tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_wday, tm.tm_mday,
        tm.tm_hour,        tm.tm_min,     tm.tm_sec,  static_cast<int32_t>(now.tv_nsec / 1000000)};
}

DateTime localNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return fromTimespec(now, true);
}

DateTime utcNow() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return fromTimespec(now, false);
}

uint32_t tickCount() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u +
                                 static_cast<uint64_t>(now.tv_nsec) / 1000000u);
}

void sleepMs(uint32_t milliseconds) {
    timespec wait{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&wait, &wait) != 0) {
    }
}

} // namespace fw::os
