#include "output/NamePattern.h"
#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

// The stand-in locale lets both clock forms run on any machine.
TEST(NamePatternTest, TwelveAndTwentyFourHourClocks) {
    struct Case {
        int32_t hour;
        const char16_t* twelve;
        const char16_t* twentyFour;
    };
    const Case cases[] = {{0, u"12-am", u"00"},  {1, u"01-am", u"01"},  {11, u"11-am", u"11"},
                          {12, u"12-pm", u"12"}, {13, u"01-pm", u"13"}, {14, u"02-pm", u"14"},
                          {23, u"11-pm", u"23"}};
    for (const Case& c : cases) {
        CaptureTime time = {2010, 3, 5, 0, 7, 9, 0};
        time.hour = c.hour;
        os::setStandInClockFormat({true, u"am", u"pm"});
        EXPECT_EQ(NamePattern::fill(1, 1, u"[HOUR]", time), c.twelve) << c.hour;
        os::setStandInClockFormat({false, u"am", u"pm"});
        EXPECT_EQ(NamePattern::fill(1, 1, u"[HOUR]", time), c.twentyFour) << c.hour;
    }
    os::setStandInClockFormat({true, u"", u""});
    EXPECT_EQ(NamePattern::fill(1, 1, u"[HOUR]h", {2010, 3, 5, 14, 7, 9, 0}), u"02h");
    os::setStandInClockFormat({});
}

TEST(NamePatternTest, DateAndTimePatternOnTwentyFourHourClock) {
    os::setStandInClockFormat({});
    NamePattern pattern;
    pattern.setPattern(u"[year]-[month]-[day] [hour].[min].[sec]");
    EXPECT_EQ(pattern.nextName({2010, 3, 5, 14, 7, 9, 0}), u"2010-03-05_14.07.09");
}

} // namespace
} // namespace fw
