#include "capture/TimerMode.h"

#include <algorithm>

namespace fw {

namespace {

constexpr uint32_t kLeft = 1, kRight = 2, kTop = 4, kBottom = 8, kMiddle = 16, kCentre = 32;

WideString twoDigits(int64_t value) {
    return value < 10 ? u"0" + toWide(value) : toWide(value);
}

// Start of a span of `length` in [start, start + extent) for the flags of one axis.
int32_t alignAxis(int32_t start, int32_t extent, int32_t length, uint32_t flags, uint32_t low,
                  uint32_t high, uint32_t centre, int32_t margin) {
    if (flags & low) {
        return start + margin;
    }
    if (flags & high) {
        return start + extent - length - margin;
    }
    if (flags & centre) {
        return start + (extent - length) / 2;
    }
    return start + margin;
}

} // namespace

TimerModeSettings sanitized(TimerModeSettings s) {
    s.interval = std::clamp(s.interval, kTimerIntervalMin, kTimerIntervalMax);
    s.intervalType = s.intervalType == kTimerUnitMinutes ? kTimerUnitMinutes : kTimerUnitSeconds;
    s.repeatCount = std::clamp(s.repeatCount, kTimerRepeatMin, kTimerRepeatMax);
    if (!isCounterPosition(s.counterPosition)) {
        s.counterPosition = kDefaultCounterPosition;
    }
    return s;
}

int64_t countdownSeconds(int32_t interval, int32_t intervalType) {
    return static_cast<int64_t>(interval) * (intervalType == kTimerUnitMinutes ? 60 : 1);
}

WideString formatSeriesDuration(int32_t interval, int32_t intervalType, int32_t repeatCount) {
    const int64_t total = countdownSeconds(interval, intervalType) * repeatCount;
    return twoDigits(total / 3600) + u" : " + twoDigits(total % 3600 / 60) + u" : " +
           twoDigits(total % 60);
}

int32_t counterPositionIndex(int32_t value) {
    const auto* found = std::find(kCounterPositions.begin(), kCounterPositions.end(), value);
    return found == kCounterPositions.end()
               ? -1
               : static_cast<int32_t>(found - kCounterPositions.begin());
}

bool isCounterPosition(int32_t value) {
    return counterPositionIndex(value) >= 0;
}

Rect placeByAlignment(const Rect& area, Size size, uint32_t flags, int32_t margin) {
    return Rect{alignAxis(area.x, area.width, size.width, flags, kLeft, kRight, kCentre, margin),
                alignAxis(area.y, area.height, size.height, flags, kTop, kBottom, kMiddle, margin),
                size.width, size.height};
}

} // namespace fw
