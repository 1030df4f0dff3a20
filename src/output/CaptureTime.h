#pragma once
// The local time of a capture, as screenshot names and the history record it.
#include "platform/Time.h"
#include "platform/WideString.h"

#include <compare>
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
    // Date first, then time of day: the order of the fields.
    auto operator<=>(const CaptureTime&) const = default;
};

inline CaptureTime captureTimeOf(const DateTime& time) {
    return CaptureTime{time.year,   time.month,  time.day,        time.hour,
                       time.minute, time.second, time.millisecond};
}

// The Julian Day Number of the date (Fliegel and Van Flandern); the difference
// of two is their distance in days. Wide arithmetic, as stored years may be absurd.
inline int64_t julianDayNumber(const CaptureTime& time) {
    const int64_t year = time.year;
    const int64_t month = time.month;
    const int64_t a = (month - 14) / 12;
    return 1461 * (year + 4800 + a) / 4 + 367 * (month - 2 - 12 * a) / 12 -
           3 * ((year + 4900 + a) / 100) / 4 + time.day - 32075;
}

inline bool sameDate(const CaptureTime& a, const CaptureTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The month's name in the current translation; empty outside 1 .. 12.
WideString monthName(int32_t month);

// 0 Monday .. 6 Sunday, for any Gregorian date.
int32_t weekdayOf(const CaptureTime& time);
// The weekday's name in the current translation; empty for a month outside 1 .. 12.
WideString weekdayName(const CaptureTime& time);

} // namespace fw
