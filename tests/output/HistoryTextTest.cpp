#include "output/HistoryText.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(HistoryText, DateCaptions) {
    const CaptureTime today{2026, 1, 1, 0, 30, 0, 0};
    EXPECT_EQ(dateCaption({2026, 1, 1, 23, 59, 0, 0}, today), u"Today");
    EXPECT_EQ(dateCaption({2025, 12, 31, 0, 0, 0, 0}, today), u"Yesterday");
    EXPECT_EQ(dateCaption({2025, 12, 30, 23, 0, 0, 0}, today), u"30 December 2025");
    EXPECT_EQ(dateCaption({2025, 3, 3, 10, 0, 0, 0}, today), u"03 March 2025");
    EXPECT_EQ(dateCaption({2026, 1, 2, 0, 0, 0, 0}, today), u"02 January 2026");
}

TEST(HistoryText, TooltipLines) {
    HistoryEntry entry;
    entry.location = {u"C:\\shots", u"ScreenShot-007", u"png"};
    entry.rect = {10, 20, 800, 600};
    entry.time = {2026, 2, 1, 14, 5, 9, 0};
    entry.mode = 3;
    EXPECT_EQ(entryTooltip(entry), u"File name: ScreenShot-007\nFile format: PNG\n"
                                   u"Dimensions: 800 x 600\nDate: 2026/02/01 14:05:09\n"
                                   u"Mode: Region");
    entry.mode = 7;
    EXPECT_TRUE(entryTooltip(entry).ends_with(u"\nMode: -"));
    EXPECT_EQ(dateTimeText({987, 12, 31, 0, 0, 5, 0}), u"0987/12/31 00:00:05");
}

} // namespace
} // namespace fw
