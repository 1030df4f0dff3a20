#include "ui/DibSurface_win.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace fw {
namespace {

constexpr uint32_t kGround = 0xFF202020;

FontSpec testFont(float size = 12.0f) {
    FontSpec font = defaultFont();
    font.size = size;
    return font;
}

// The smallest rectangle holding every pixel of `area` that is not `ground`.
Rect inkBox(const PixelSurface& s, const Rect& area, uint32_t ground) {
    ::GdiFlush();
    Rect ink;
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        for (int32_t x = area.x; x < area.right(); ++x) {
            if (s.row(y)[x] != ground) {
                ink = unite(ink, Rect{x, y, 1, 1});
            }
        }
    }
    return ink;
}

Rect grown(const Rect& r, int32_t by) {
    return Rect{r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

TEST(UIPainterTextTest, TextLandsWhereTheAlignmentPutsIt) {
    const FontSpec font = testFont();
    const Rect box{20, 10, 260, 60};
    const Size size = measureText(u"Mixed text", font, 96);
    ASSERT_GT(size.width, 20);
    const uint32_t alignments[] = {AlignLeft | AlignTop, AlignRight | AlignBottom, AlignCenter,
                                   AlignLeft | AlignVCenter, AlignHCenter | AlignBottom};
    for (uint32_t alignment : alignments) {
        DibSurface dib;
        ASSERT_TRUE(dib.ensure(300, 80));
        dib.clear(kGround);
        UIPainter painter(dib.surface(), dib.dc());
        painter.translate(10, 0);
        painter.drawText({box.x - 10, box.y, box.width, box.height}, u"Mixed text", font,
                         0xFFFFFFFF, alignment);
        const Rect ink = inkBox(dib.surface(), {0, 0, 300, 80}, kGround);
        const Rect expected = alignedRect(box, size, alignment);
        EXPECT_FALSE(ink.isEmpty()) << alignment;
        // ClearType may spill a pixel past the measured box.
        EXPECT_EQ(intersect(ink, grown(expected, 1)), ink) << alignment;
        EXPECT_GT(ink.width, size.width / 2) << alignment;
    }
}

TEST(UIPainterTextTest, AlphaSurvivesTextAndClipHolds) {
    constexpr uint32_t kHalf = 0x80101010;
    DibSurface dib;
    ASSERT_TRUE(dib.ensure(120, 40));
    dib.clear(kHalf);
    UIPainter painter(dib.surface(), dib.dc());
    painter.fillRect({0, 0, 60, 40}, 0xFF000000);
    painter.clipTo({0, 0, 90, 40});
    painter.drawText({4, 0, 200, 40}, u"WWWWWWWWWWWWWWWWWWWW", testFont(), 0xFFFFFFFF,
                     AlignLeft | AlignVCenter);
    ::GdiFlush();
    const PixelSurface s = dib.surface();
    bool inkOnOpaque = false, inkOnHalf = false;
    for (int32_t y = 0; y < 40; ++y) {
        for (int32_t x = 0; x < 120; ++x) {
            const uint32_t p = s.row(y)[x];
            const uint32_t alpha = p >> 24;
            ASSERT_EQ(alpha, x < 60 ? 0xFFu : 0x80u) << x << "," << y;
            ASSERT_LE(std::max({p & 0xFF, p >> 8 & 0xFF, p >> 16 & 0xFF}), alpha) << x << "," << y;
            if (x >= 90) {
                ASSERT_EQ(p, kHalf) << x << "," << y;
            }
            inkOnOpaque |= x < 60 && p != 0xFF000000;
            inkOnHalf |= x >= 60 && p != kHalf;
        }
    }
    EXPECT_TRUE(inkOnOpaque);
    EXPECT_TRUE(inkOnHalf);
}

// A line drawn again from its cached mask looks as the rasteriser drew it: a
// painter without pixels of its own draws straight through the platform and
// serves as the model.
TEST(UIPainterTextTest, ALineFromTheCacheLooksAsTheRasteriserDrewIt) {
    auto draw = [](bool fromCache) {
        auto dib = std::make_unique<DibSurface>();
        EXPECT_TRUE(dib->ensure(240, 60));
        dib->clear(0xFF202020);
        UIPainter painter(dib->surface(), dib->dc());
        painter.fillRect({0, 0, 120, 60}, 0xFF336699);
        UIPainter straight(dib->dc());
        UIPainter& text = fromCache ? painter : straight;
        text.drawText({6, 4, 220, 24}, u"Cached line \u00c9gypte 0123", testFont(11.0f), 0xFFF0E0D0,
                      AlignLeft | AlignTop);
        text.drawText({6, 30, 220, 24}, u"&Mnemonic, drawn by the system", testFont(), 0xFFFFFFFF,
                      AlignLeft | AlignTop | TextMnemonic);
        ::GdiFlush();
        return dib;
    };
    const auto direct = draw(false);
    draw(true);
    const auto cached = draw(true);
    int32_t inked = 0;
    for (int32_t y = 0; y < 60; ++y) {
        for (int32_t x = 0; x < 240; ++x) {
            const uint32_t a = direct->surface().row(y)[x];
            const uint32_t b = cached->surface().row(y)[x];
            // Colour only: the system's own drawing does not keep alpha.
            for (int shift = 0; shift < 24; shift += 8) {
                const int32_t difference = int32_t(a >> shift & 0xFF) - int32_t(b >> shift & 0xFF);
                ASSERT_LE(std::abs(difference), 2) << x << "," << y;
            }
            inked += ((x < 120 ? a ^ 0xFF336699 : a ^ 0xFF202020) & 0x00FFFFFF) ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 100);
}

// What is measured is what is drawn: a caption sized to its measure keeps its
// end (some rasterisers space a few glyphs, such as the Cyrillic "т", wider
// than they measure them).
TEST(UIPainterTextTest, ALineEndsWhereItsMeasureSaysInEveryScript) {
    for (const char16_t* text :
         {u"тттттттттт", u"Вставить автотекст", u"Tastenkürzel", u"Advanced"}) {
        const Size size = measureText(text, testFont(), 96);
        DibSurface dib;
        ASSERT_TRUE(dib.ensure(300, 30));
        dib.clear(kGround);
        UIPainter painter(dib.surface(), dib.dc());
        painter.drawText({0, 0, 300, 30}, text, testFont(), 0xFFFFFFFF, AlignLeft | AlignVCenter);
        const Rect ink = inkBox(dib.surface(), {0, 0, 300, 30}, kGround);
        EXPECT_LE(ink.right(), size.width + 1) << toUtf8(text);
        EXPECT_GE(ink.right(), size.width - 2) << toUtf8(text);
    }
}

TEST(UIPainterTextTest, MeasurementFollowsTextSizeAndResolution) {
    const FontSpec font = testFont();
    const Size short96 = measureText(u"Capture", font, 96);
    const Size long96 = measureText(u"Capture the screen", font, 96);
    const Size bigger = measureText(u"Capture", testFont(18.0f), 96);
    const Size short192 = measureText(u"Capture", font, 192);
    EXPECT_GT(long96.width, short96.width * 2);
    EXPECT_EQ(long96.height, short96.height);
    EXPECT_GT(bigger.width, short96.width);
    EXPECT_GT(bigger.height, short96.height);
    EXPECT_NEAR(short192.width, short96.width * 2, short96.width * 0.15);
    EXPECT_NEAR(short192.height, short96.height * 2, short96.height * 0.15);
    EXPECT_EQ(fontMetrics(font, 96).height, short96.height);

    // Wrapping stacks lines; a mnemonic marker takes no room.
    const Size wrapped =
        measureText(u"Capture the screen", font, 96, TextWordWrap, long96.width / 2);
    EXPECT_GE(wrapped.height, short96.height * 2);
    EXPECT_LE(wrapped.width, long96.width * 3 / 4);
    EXPECT_LT(measureText(u"&Capture", font, 96, TextMnemonic).width,
              measureText(u"&Capture", font, 96).width);

    const std::vector<int32_t> offsets = characterOffsets(u"Capture", font, 96);
    ASSERT_EQ(offsets.size(), 7u);
    EXPECT_GT(offsets[0], 0);
    EXPECT_TRUE(std::is_sorted(offsets.begin(), offsets.end()));
    EXPECT_EQ(offsets.back(), short96.width);
}

TEST(UIPainterTextTest, FontCacheHoldsOneFontPerValue) {
    const FontSpec font = testFont(10.5f);
    void* first = platformFont(font, 96);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(platformFont(testFont(10.5f), 96), first);
    EXPECT_NE(platformFont(font.withFlags(FontBold), 96), first);
    EXPECT_NE(platformFont(font, 144), first);

    DibSurface dib;
    ASSERT_TRUE(dib.ensure(200, 30));
    dib.clear(kGround);
    {
        UIPainter painter(dib.surface(), dib.dc());
        painter.drawText({0, 0, 200, 30}, u"warm-up", font, 0xFFFFFFFF);
    }
    const int32_t fonts = platformFontCount();
    const DWORD objects = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 1000; ++i) {
        UIPainter painter(dib.surface(), dib.dc());
        painter.drawText({0, 0, 200, 30}, u"Screenshot saved", testFont(10.5f), 0xFFFFFFFF,
                         uint32_t{AlignCenter} | TextEllipsis);
        measureText(u"Screenshot saved", font, 96);
    }
    EXPECT_EQ(platformFontCount(), fonts);
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), objects);
}

} // namespace
} // namespace fw
