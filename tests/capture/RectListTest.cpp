#include "capture/RectList.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

int64_t areaOf(const std::vector<Rect>& rects) {
    int64_t area = 0;
    for (const Rect& r : rects) {
        area += int64_t{r.width} * r.height;
    }
    return area;
}

TEST(RectListTest, DifferencesCoverExactlyThePixelsLeft) {
    const std::vector<Rect> parts = subtract(Rect{0, 0, 10, 10}, Rect{3, 3, 4, 4});
    EXPECT_EQ(parts.size(), 4u);
    EXPECT_EQ(areaOf(parts), 100 - 16);
    EXPECT_EQ(subtract(Rect{0, 0, 10, 10}, Rect{20, 20, 5, 5}),
              (std::vector<Rect>{{0, 0, 10, 10}}));
    EXPECT_TRUE(subtract(Rect{2, 2, 3, 3}, Rect{0, 0, 10, 10}).empty());
    // Two outlines that share their top-left corner differ only at the far sides.
    const std::vector<Rect> was = ring(Rect{0, 0, 10, 10}, Rect{1, 1, 8, 8});
    const std::vector<Rect> is = ring(Rect{0, 0, 12, 10}, Rect{1, 1, 10, 8});
    EXPECT_EQ(areaOf(difference(was, is)), 8);
    EXPECT_EQ(areaOf(difference(is, was)), 2 + 10);
    EXPECT_EQ(boundingBoxAfterCutting(Rect{0, 0, 10, 10}, {{5, -5, 10, 20}, {-1, -1, 3, 3}}),
              (Rect{0, 0, 5, 10}));
}

TEST(RectListTest, CoalescingJoinsCheapPairsAndKeepsFarApartOnes) {
    // A column cut into bands by a row crossing it, and a box far away.
    const std::vector<Rect> bands{
        {100, 0, 2, 50}, {0, 50, 400, 2}, {100, 52, 2, 300}, {300, 300, 50, 50}};
    const std::vector<Rect> joined = coalesce(bands, 8, 1000);
    EXPECT_EQ(joined.size(), 3u);
    EXPECT_GE(areaOf(joined), areaOf(bands));
    EXPECT_LE(areaOf(joined), areaOf(bands) + 1000);
    EXPECT_EQ(coalesce(bands, 1, 0), (std::vector<Rect>{{0, 0, 400, 352}}));
    EXPECT_TRUE(coalesce({Rect{}, Rect{5, 5, 0, 3}}, 4, 0).empty());
}

} // namespace
} // namespace fw
