#include "ui/UIPainter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace fw {
namespace {

// A premultiplied surface the painter draws on, filled with one pixel value.
struct Canvas {
    Canvas(int32_t width, int32_t height, uint32_t fill = 0)
        : pixels(static_cast<size_t>(width) * height, fill), width(width) {}
    PixelSurface surface() {
        return PixelSurface{reinterpret_cast<uint8_t*>(pixels.data()), width,
                            static_cast<int32_t>(pixels.size()) / width, width * 4};
    }
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    std::vector<uint32_t> pixels;
    int32_t width;
};

constexpr uint32_t kBoth = RenderHintBlending | RenderHintSmoothScaling;

Image imageOf(bool alpha, bool premultiplied, const std::vector<uint32_t>& bgra, int32_t width) {
    const auto height = static_cast<int32_t>(bgra.size()) / width;
    Image image(alpha, width, height);
    image.setPremultiplied(premultiplied);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t v = bgra[static_cast<size_t>(y * width + x)];
            std::memcpy(image.pixel(x, y), &v, static_cast<size_t>(image.bytesPerPixel()));
        }
    }
    return image;
}

TEST(UIPainterTest, FillBlendsStraightColourOverPremultipliedPixels) {
    struct Case {
        uint32_t destination;
        Color color;
        uint32_t hints;
        uint32_t expected;
    } cases[] = {
        {0xFF204060, 0x00FF0000, kBoth, 0xFF204060}, // alpha 0 under blending: nothing
        {0xFF204060, 0x80FF0000, kBoth, 0xFF902030}, // half red over opaque
        {0x80402000, 0x800000FF, kBoth, 0xC0201080}, // half blue over half-transparent
        {0x80402000, 0xFF00FF00, kBoth, 0xFF00FF00}, // opaque replaces
        {0xFF204060, 0x80FF0000, 0, 0x80800000},     // copied, premultiplied
        {0xFF204060, 0x00FF0000, 0, 0x00000000},     // copying transparent clears
    };
    for (const Case& c : cases) {
        Canvas canvas(3, 3, c.destination);
        UIPainter painter(canvas.surface(), nullptr, 96, c.hints);
        painter.fillRect({1, 1, 1, 1}, c.color);
        EXPECT_EQ(canvas.at(1, 1), c.expected) << std::hex << c.destination << " " << c.color;
        EXPECT_EQ(canvas.at(0, 1), c.destination);
        EXPECT_EQ(canvas.at(2, 2), c.destination);
    }
}

TEST(UIPainterTest, OriginClipAndSavedState) {
    Canvas canvas(10, 10);
    UIPainter painter(canvas.surface(), nullptr);
    painter.save();
    painter.translate(4, 3);
    painter.clipTo({-2, -1, 4, 4}); // surface (2, 2) to (6, 6)
    EXPECT_EQ(painter.clipRect(), (Rect{-2, -1, 4, 4}));
    painter.fillRect({-10, -10, 100, 100}, 0xFF0000FF);
    painter.restore();
    painter.fillRect({9, 9, 5, 5}, 0xFFFFFFFF);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 10; ++x) {
            bool inClip = x >= 2 && x < 6 && y >= 2 && y < 6;
            uint32_t expected = inClip ? 0xFF0000FF : (x == 9 && y == 9) ? 0xFFFFFFFF : 0;
            ASSERT_EQ(canvas.at(x, y), expected) << x << "," << y;
        }
    }
    // A translucent outline and thick lines cover each pixel once.
    Canvas outline(8, 8);
    UIPainter p2(outline.surface(), nullptr);
    p2.drawRect({0, 0, 8, 8}, 0x80FFFFFF, 2);
    p2.drawLine({3, 4}, {5, 4}, 0x80FFFFFF, 3); // rows 3..5
    EXPECT_EQ(outline.at(0, 0), outline.at(1, 4));
    EXPECT_EQ(outline.at(1, 1), outline.at(7, 7));
    EXPECT_EQ(outline.at(2, 2), 0u);
    EXPECT_EQ(outline.at(4, 3), outline.at(0, 0));
    EXPECT_EQ(outline.at(4, 5), outline.at(0, 0));
    EXPECT_EQ(outline.at(4, 2) | outline.at(2, 4), 0u);
    // A diagonal runs corner to corner, one pixel per step.
    Canvas diagonal(5, 5);
    UIPainter p3(diagonal.surface(), nullptr);
    p3.drawLine({4, 4}, {0, 0}, 0xFFFFFFFF);
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(diagonal.at(i, i), 0xFFFFFFFFu);
        EXPECT_EQ(diagonal.at((i + 1) % 5, i), 0u);
    }
}

TEST(UIPainterTest, GradientsKeepTheirEndsAndInterpolatePremultiplied) {
    Canvas canvas(11, 11);
    UIPainter painter(canvas.surface(), nullptr);
    painter.fillGradient({0, 0, 11, 11}, {0xFF000000, 0xFFC8C8C8, 0xFF000000});
    EXPECT_EQ(canvas.at(3, 0), 0xFF000000u);
    EXPECT_EQ(canvas.at(3, 5), 0xFFC8C8C8u);
    EXPECT_EQ(canvas.at(3, 10), 0xFF000000u);
    EXPECT_EQ(canvas.at(3, 2), 0xFF505050u); // 2/5 of the way

    // A clip leaves the colours where the whole rectangle puts them.
    painter.save();
    painter.clipTo({0, 4, 11, 3});
    painter.fillGradient({0, 0, 11, 11}, {0xFF00FF00, 0xFF0000FF}, false);
    painter.restore();
    EXPECT_EQ(canvas.at(0, 4), 0xFF00FF00u);
    EXPECT_EQ(canvas.at(10, 6), 0xFF0000FFu);
    EXPECT_EQ(canvas.at(10, 7), 0xFF787878u);

    // Fading red to transparent white stays red: no white creeps in.
    Canvas fade(1, 3);
    UIPainter fader(fade.surface(), nullptr, 96, 0);
    Paint paint;
    paint.kind = PaintKind::Gradient;
    paint.gradient = {0xFFFF0000, kTransparentColor};
    fader.fillPaint({0, 0, 1, 3}, paint);
    EXPECT_EQ(fade.at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(fade.at(0, 1), 0x80800000u);
    EXPECT_EQ(fade.at(0, 2), 0u);
}

TEST(UIPainterTest, RoundedCornersAreAntiAliasedArcs) {
    Canvas canvas(40, 30);
    UIPainter painter(canvas.surface(), nullptr);
    painter.fillRoundedRect({0, 0, 40, 30}, 8, 0xFFFFFFFF);
    EXPECT_EQ(canvas.at(0, 0), 0u);
    EXPECT_EQ(canvas.at(20, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.at(0, 15), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.at(20, 15), 0xFFFFFFFFu);
    // The corner square holds a quarter disc: 64 - 16 pi = 13.7 pixels left
    // out. Partly covered pixels along the arc make it smooth.
    double missing = 0;
    int partial = 0;
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            uint32_t alpha = canvas.at(x, y) >> 24;
            missing += (255 - alpha) / 255.0;
            partial += alpha > 0 && alpha < 255;
            EXPECT_EQ(canvas.at(x, y), canvas.at(39 - x, 29 - y)) << x << "," << y;
            EXPECT_EQ(canvas.at(x, y), canvas.at(39 - x, y)) << x << "," << y;
        }
    }
    EXPECT_NEAR(missing, 64 - 16 * 3.14159265, 0.5);
    EXPECT_GE(partial, 8);

    // The outline leaves the inside as it was; a larger radius is held to half the side.
    Canvas ring(30, 20, 0xFF000000);
    UIPainter ringPainter(ring.surface(), nullptr);
    ringPainter.drawRoundedRect({0, 0, 30, 20}, 50, 0xFFFFFFFF, 2);
    EXPECT_EQ(ring.at(15, 0), 0xFFFFFFFFu);
    EXPECT_EQ(ring.at(15, 1), 0xFFFFFFFFu);
    EXPECT_EQ(ring.at(15, 2), 0xFF000000u);
    EXPECT_EQ(ring.at(15, 10), 0xFF000000u);
    EXPECT_EQ(ring.at(0, 0), 0xFF000000u);
    EXPECT_GT(ring.at(0, 10) & 0xFF, 240u);
}

TEST(UIPainterTest, ImageBlitsOfEachSourceKind) {
    constexpr uint32_t kGround = 0xFF204060;
    const Image premultiplied = imageOf(true, true, {0xFF0000FF, 0x80800000, 0x00000000}, 3);
    const Image straight = imageOf(true, false, {0xFF0000FF, 0x80FF0000, 0x00FFFFFF}, 3);
    const Image opaque = imageOf(false, false, {0x000000FF, 0x00FF0000, 0x00FFFFFF}, 3);
    struct Case {
        const Image* image;
        uint32_t hints;
        uint32_t expected[3];
    } cases[] = {
        {&premultiplied, kBoth, {0xFF0000FF, 0xFF902030, kGround}},
        {&premultiplied, 0, {0xFF0000FF, 0x80800000, 0}},
        {&straight, kBoth, {0xFF0000FF, 0xFF902030, kGround}},
        {&straight, 0, {0xFF0000FF, 0x80800000, 0}},
        {&opaque, kBoth, {0xFF0000FF, 0xFFFF0000, 0xFFFFFFFF}},
    };
    for (const Case& c : cases) {
        Canvas canvas(5, 1, kGround);
        UIPainter painter(canvas.surface(), nullptr, 96, c.hints);
        painter.translate(1, 0);
        painter.copyImage(*c.image, {0, 0}, {0, 0}, 3, 1);
        EXPECT_EQ(canvas.at(0, 0), kGround);
        for (int32_t i = 0; i < 3; ++i) {
            EXPECT_EQ(canvas.at(i + 1, 0), c.expected[i]) << i << " hints " << c.hints;
        }
        EXPECT_EQ(canvas.at(4, 0), kGround);
    }
}

TEST(UIPainterTest, StretchNearestOrBilinearAndSourceOutsideTheImage) {
    const Image ramp = imageOf(true, true, {0xFF000000, 0xFFFFFFFF}, 2);
    struct Case {
        uint32_t hints;
        uint32_t grey[4];
    } cases[] = {
        {RenderHintBlending, {0, 0, 255, 255}},
        {kBoth, {0, 64, 191, 255}},
    };
    for (const Case& c : cases) {
        Canvas canvas(4, 2);
        UIPainter painter(canvas.surface(), nullptr, 96, c.hints);
        painter.drawImage(ramp, {0, 0, 2, 1}, {0, 0, 4, 2});
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_EQ(canvas.at(x, 1), 0xFF000000u | c.grey[x] * 0x010101u) << x;
            EXPECT_EQ(canvas.at(x, 0), canvas.at(x, 1));
        }
    }
    // Rows of one colour (as in flat or gradient skins) mix like any others.
    const Image bands = imageOf(true, true, {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFF0000FF}, 2);
    Canvas stretched(1, 4);
    UIPainter smooth(stretched.surface(), nullptr);
    smooth.drawImage(bands, {0, 0, 1, 2}, {0, 0, 1, 4});
    EXPECT_EQ(stretched.pixels,
              (std::vector<uint32_t>{0xFF000000, 0xFF404040, 0xFFBFBFBF, 0xFFFFFFFF}));
    smooth.drawImage(bands, {0, 0, 2, 2}, {0, 0, 1, 4});
    EXPECT_EQ(stretched.at(0, 3), 0xFF8080FFu);

    // Only the part of the source that lies in the image is drawn.
    Canvas canvas(6, 4);
    UIPainter painter(canvas.surface(), nullptr);
    painter.drawImage(ramp, {-1, 0, 3, 2}, {0, 0, 3, 2});
    painter.drawImage(ramp, {1, -1, 2, 2}, {3, 0, 3, 4});
    EXPECT_EQ(canvas.at(0, 0), 0u);
    EXPECT_EQ(canvas.at(1, 0), 0xFF000000u);
    EXPECT_EQ(canvas.at(2, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.at(1, 1), 0u);
    EXPECT_EQ(canvas.at(3, 1), 0u);
    EXPECT_EQ(canvas.at(3, 3), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.at(4, 2), 0u);
}

TEST(UIPainterTest, RasterisedTextKeepsAlphaAndStaysPremultiplied) {
    Canvas canvas(4, 1);
    const uint32_t before[4] = {0xFF204060, 0x80402000, 0xFF102030, 0x40101010};
    // What a rasteriser that writes alpha 0 leaves: white ink in 0, 1 and 3.
    canvas.pixels = {0x00FFFFFF, 0x00FFFFFF, 0x00102030, 0x00808080};
    mergeRasterisedText(canvas.surface(), {0, 0, 4, 1}, before, 255);
    EXPECT_EQ(canvas.at(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(canvas.at(1, 0), 0x80808080u);
    EXPECT_EQ(canvas.at(2, 0), 0xFF102030u);
    EXPECT_EQ(canvas.at(3, 0), 0x40404040u);
    canvas.pixels = {0x00FFFFFF, 0x80402000, 0xFF102030, 0x40101010};
    mergeRasterisedText(canvas.surface(), {0, 0, 1, 1}, before, 128);
    EXPECT_EQ(canvas.at(0, 0), 0xFF90A0B0u);
}

} // namespace
} // namespace fw
