#include "capture/RectList.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fw {
namespace {

int64_t areaOf(const std::vector<Rect>& rects) {
    int64_t area = 0;
    for (const Rect& r : rects) {
        area += int64_t{r.width} * r.height;
    }
    return area;
}

TEST(RectListTest, CoalescingJoinsCheapPairsAndKeepsFarApartOnes) {
    // A column cut into bands by a row crossing it, and a box far away.
    const std::vector<Rect> bands{
        {100, 0, 2, 50}, {0, 50, 400, 2}, {100, 52, 2, 300}, {300, 300, 50, 50}};
    const std::vector<Rect> joined = coalesce(bands, 8, 1000);
    EXPECT_EQ(joined.size(), 3u);
    EXPECT_GE(areaOf(joined), areaOf(bands));
    EXPECT_LE(areaOf(joined), areaOf(bands) + 1000);
    for (const Rect& band : bands) {
        EXPECT_TRUE(std::any_of(joined.begin(), joined.end(), [&](const Rect& r) {
            return intersect(r, band) == band;
        })) << "every piece stays covered";
    }
    EXPECT_EQ(coalesce(bands, 1, 0), (std::vector<Rect>{{0, 0, 400, 352}}));
    EXPECT_TRUE(coalesce({Rect{}, Rect{5, 5, 0, 3}}, 4, 0).empty());
}

} // namespace
} // namespace fw
