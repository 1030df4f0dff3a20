#include "capture/TimerMode.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(TimerModeTest, SeriesDurationIsPaddedAndHoursRunPastTwoDigits) {
    EXPECT_EQ(formatSeriesDuration(5, kTimerUnitSeconds, 1), u"00 : 00 : 05");
    EXPECT_EQ(formatSeriesDuration(100, kTimerUnitMinutes, 100), u"166 : 40 : 00");
    EXPECT_EQ(formatSeriesDuration(61, kTimerUnitSeconds, 59), u"00 : 59 : 59");
    EXPECT_EQ(formatSeriesDuration(61, kTimerUnitSeconds, 60), u"01 : 01 : 00");
    EXPECT_EQ(countdownSeconds(3, kTimerUnitMinutes), 180);
    EXPECT_EQ(countdownSeconds(3, kTimerUnitSeconds), 3);
}

TEST(TimerModeTest, StoredValuesAreBroughtInsideWhatTheOptionsOffer) {
    const TimerModeSettings repaired = sanitized({0, 7, 101, 3});
    EXPECT_EQ(repaired.interval, 1);
    EXPECT_EQ(repaired.intervalType, kTimerUnitSeconds);
    EXPECT_EQ(repaired.repeatCount, 100);
    EXPECT_EQ(repaired.counterPosition, 10);
    const TimerModeSettings kept = sanitized({100, 1, 1, 36});
    EXPECT_EQ(kept.interval, 100);
    EXPECT_EQ(kept.intervalType, kTimerUnitMinutes);
    EXPECT_EQ(kept.repeatCount, 1);
    EXPECT_EQ(kept.counterPosition, 36);
    // Combinations that name two sides or no side of an axis are no position.
    for (int32_t value : {0, 3, 12, 15, 32, 64}) {
        EXPECT_FALSE(isCounterPosition(value)) << value;
    }
}

TEST(TimerModeTest, NinePositionsPlaceTheCounterInsideTheArea) {
    const Rect area{100, 50, 1000, 600};
    const Size size{80, 40};
    const Rect expected[] = {
        {110, 60, 80, 40},  {560, 60, 80, 40},  {1010, 60, 80, 40},
        {110, 330, 80, 40}, {560, 330, 80, 40}, {1010, 330, 80, 40},
        {110, 600, 80, 40}, {560, 600, 80, 40}, {1010, 600, 80, 40},
    };
    for (size_t i = 0; i < kCounterPositions.size(); ++i) {
        EXPECT_EQ(placeByAlignment(area, size, kCounterPositions[i], 10), expected[i]) << i;
        EXPECT_EQ(counterPositionIndex(kCounterPositions[i]), static_cast<int32_t>(i));
    }
}

} // namespace
} // namespace fw
