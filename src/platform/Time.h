#pragma once
#include <cstdint>

namespace fw {

// A calendar time as the operating system reports it; month 1..12,
// dayOfWeek 0 (Sunday)..6.
struct DateTime {
    int32_t year = 0;
    int32_t month = 0;
    int32_t dayOfWeek = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t millisecond = 0;
    bool operator==(const DateTime&) const = default;
};

namespace os {

DateTime localNow();
DateTime utcNow();
// Milliseconds since an arbitrary start, wrapping at 2^32.
uint32_t tickCount();
void sleepMs(uint32_t milliseconds);

} // namespace os
} // namespace fw
