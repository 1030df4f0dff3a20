#pragma once
// The numbers of the timer mode: the ranges its settings are kept in, the
// countdown length, the duration of a whole series as the options show it,
// and the nine places of the counter window.
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <array>
#include <cstdint>

namespace fw {

// What the timer options offer; stored values are brought inside on load.
constexpr int32_t kTimerIntervalMin = 1;
constexpr int32_t kTimerIntervalMax = 100;
constexpr int32_t kTimerRepeatMin = 1;
constexpr int32_t kTimerRepeatMax = 100;
// "general/timerModeIntervalType": 0 seconds, 1 minutes.
constexpr int32_t kTimerUnitSeconds = 0;
constexpr int32_t kTimerUnitMinutes = 1;

struct TimerModeSettings {
    int32_t interval = 5;
    int32_t intervalType = kTimerUnitSeconds;
    int32_t repeatCount = 1;
    int32_t counterPosition = 10;
};
// Every value inside what the options offer: interval and repeat count
// clamped to 1..100, an unknown unit read as seconds, an unknown position as
// the bottom right corner.
TimerModeSettings sanitized(TimerModeSettings settings);

// Length of one countdown in seconds.
int64_t countdownSeconds(int32_t interval, int32_t intervalType);
// A whole series as "hh : mm : ss" ("00 : 00 : 05"; hours may pass 99).
WideString formatSeriesDuration(int32_t interval, int32_t intervalType, int32_t repeatCount);

// The counter positions as alignment flags (1 left, 2 right, 4 top, 8 bottom,
// 16 vertical centre, 32 horizontal centre), row by row from the top left.
constexpr std::array<int32_t, 9> kCounterPositions = {5, 36, 6, 17, 48, 18, 9, 40, 10};
constexpr int32_t kDefaultCounterPosition = 10;
bool isCounterPosition(int32_t value);
// Index in kCounterPositions, or -1.
int32_t counterPositionIndex(int32_t value);

// Where a window of `size` stands inside `area` for the alignment flags,
// `margin` pixels away from the edges it is aligned to.
Rect placeByAlignment(const Rect& area, Size size, uint32_t flags, int32_t margin);

} // namespace fw
