#pragma once
// The local time of a capture, as screenshot names and the history record it.
#include "platform/Time.h"

#include <cstdint>

namespace fw {

struct CaptureTime {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    int32_t millisecond = 0;
    bool operator==(const CaptureTime&) const = default;
};

inline CaptureTime captureTimeOf(const DateTime& time) {
    return CaptureTime{time.year,   time.month,  time.day,        time.hour,
                       time.minute, time.second, time.millisecond};
}

// 0 Monday .. 6 Sunday, for any Gregorian date.
int32_t weekdayOf(const CaptureTime& time);

} // namespace fw
