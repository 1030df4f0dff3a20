#include "ui/TextMaskCache.h"
#include "ui/UIPainter.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TextMaskKey keyOf(const char16_t* text) {
    return TextMaskKey{text, defaultFont(), 96, 0, 5, 5};
}

TextMask maskOf(int32_t width, int32_t height, uint32_t coverage) {
    TextMask mask;
    mask.width = width;
    mask.height = height;
    mask.coverage.assign(static_cast<size_t>(width) * height, coverage);
    mask.findInk();
    return mask;
}

TEST(TextMaskCacheTest, KeepsTheMostRecentlyDrawnLinesWithinItsBudget) {
    TextMaskCache cache(250); // room for two masks of 100 bytes
    cache.insert(keyOf(u"one"), maskOf(5, 5, 1));
    cache.insert(keyOf(u"two"), maskOf(5, 5, 2));
    ASSERT_NE(cache.find(keyOf(u"one")), nullptr); // "two" is now the oldest
    cache.insert(keyOf(u"three"), maskOf(5, 5, 3));
    EXPECT_EQ(cache.find(keyOf(u"two")), nullptr);
    EXPECT_EQ(cache.find(keyOf(u"one"))->coverage[0], 1u);
    EXPECT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.bytes(), 200u);
    // Another size or resolution is another mask.
    TextMaskKey larger = keyOf(u"one");
    larger.dpi = 144;
    EXPECT_EQ(cache.find(larger), nullptr);
    // Replacing a line keeps the count right; one over the budget is not kept.
    cache.insert(keyOf(u"one"), maskOf(5, 5, 9));
    EXPECT_EQ(cache.find(keyOf(u"one"))->coverage[0], 9u);
    EXPECT_EQ(cache.bytes(), 200u);
    EXPECT_EQ(cache.insert(keyOf(u"huge"), maskOf(20, 20, 1)), nullptr);
    EXPECT_EQ(cache.bytes(), 200u);
}

TEST(TextMaskCacheTest, BlendingInksOnlyCoveredPixelsInsideTheClipAndKeepsAlpha) {
    Image target(true, 4, 2);
    const PixelSurface surface = PixelSurface::of(target);
    const uint32_t ground[2] = {0xFF000000u, 0x80000000u};
    for (int32_t y = 0; y < 2; ++y) {
        for (int32_t x = 0; x < 4; ++x) {
            surface.row(y)[x] = ground[y];
        }
    }
    TextMask mask = maskOf(4, 2, 0x00FFFFFF);
    mask.coverage[1] = 0x00000000; // no ink
    mask.coverage[2] = 0x00FF0000; // red subpixel only
    blendTextMask(surface, mask, Point{0, 0}, Rect{0, 0, 3, 2}, 0xFFFFFFFF);
    EXPECT_EQ(surface.row(0)[0], 0xFFFFFFFFu);
    EXPECT_EQ(surface.row(0)[1], 0xFF000000u);
    EXPECT_EQ(surface.row(0)[2], 0xFFFF0000u);
    EXPECT_EQ(surface.row(0)[3], 0xFF000000u) << "outside the clip";
    // On a half transparent pixel no channel may pass the alpha.
    EXPECT_EQ(surface.row(1)[0], 0x80808080u);
    // Half transparent text goes half way.
    surface.row(0)[0] = 0xFF000000u;
    blendTextMask(surface, mask, Point{0, 0}, Rect{0, 0, 1, 1}, 0x80FFFFFF);
    EXPECT_EQ(surface.row(0)[0], 0xFF808080u);
}

} // namespace
} // namespace fw
