#include "capture/ImageOps.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace fw {
namespace {

using Pixel = std::array<uint8_t, 4>;

Pixel at(const Image& image, int32_t x, int32_t y) {
    Pixel p{0, 0, 0, 255};
    std::memcpy(p.data(), image.pixel(x, y), image.bytesPerPixel());
    return p;
}

void put(const Image& image, int32_t x, int32_t y, Pixel p) {
    std::memcpy(image.pixel(x, y), p.data(), image.bytesPerPixel());
}

TEST(ImageOpsTest, DimmingOfOpaqueTransparentAndPartlyTransparentPixels) {
    Image image(true, 3, 1);
    put(image, 0, 0, {200, 100, 10, 255});
    put(image, 1, 0, {200, 100, 10, 0});
    put(image, 2, 0, {200, 100, 10, 100});
    Image dark = dimmed(image);
    EXPECT_EQ(at(image, 0, 0), (Pixel{200, 100, 10, 255})) << "the source is not touched";
    EXPECT_EQ(at(dark, 0, 0), (Pixel{152, 76, 7, 255}));
    EXPECT_EQ(at(dark, 1, 0), (Pixel{0, 0, 0, 60}));
    // alpha 255 - (155 * 195 >> 8) = 137, weight 195 * 100 / 137 = 142
    EXPECT_EQ(at(dark, 2, 0), (Pixel{110, 55, 5, 137}));

    Image rgb(false, 1, 1);
    put(rgb, 0, 0, {200, 100, 10, 0});
    EXPECT_EQ(at(dimmed(rgb), 0, 0), (Pixel{152, 76, 7, 255}));
}

TEST(ImageOpsTest, AlphaFromTwoBackgrounds) {
    const uint8_t black[] = {10, 20, 30,  0,  // same over both: opaque
                             0,  0,  0,   0,  // black over black, white over white: transparent
                             40, 40, 64,  0,  // half transparent: red 64 over black, 191 over white
                             0,  0,  0,   0,  // differs only in blue: alpha 1 from red
                             0,  0,  0,   0,  // alpha below the threshold
                             0,  0,  200, 0}; // darker over white than over black
    const uint8_t white[] = {10,  20, 30, 0, 255, 255, 255, 0, 167, 167, 191, 0,
                             128, 0,  0,  0, 0,   0,   255, 0, 0,   0,   100, 0};
    uint8_t out[sizeof black];
    std::memcpy(out, black, sizeof out);
    alphaFromTwoBackgrounds(2, out, out, white, 3, true);
    // Alpha 128/255 comes out of single precision as 127 or 128.
    const uint8_t expected[] = {10, 20, 30, 255, 0, 0, 0, 0, 79, 79, 127, 128,
                                0,  0,  0,  255, 0, 0, 0, 0, 0,  0,  200, 255};
    for (size_t i = 0; i < sizeof out; ++i) {
        EXPECT_NEAR(out[i], expected[i], i >= 8 && i < 12 ? 1 : 0) << "byte " << i;
    }

    // A window capture: the output is the window as the screen showed it,
    // whose colours stay wherever the pixel comes out opaque.
    uint8_t plain[sizeof black];
    for (size_t i = 0; i < sizeof plain; ++i) {
        plain[i] = static_cast<uint8_t>(100 + i);
    }
    alphaFromTwoBackgrounds(1, black, plain, white, 6, false);
    EXPECT_EQ((Pixel{plain[0], plain[1], plain[2], plain[3]}), (Pixel{100, 101, 102, 255}));
    EXPECT_EQ(plain[7], 0) << "transparent stays transparent";
    EXPECT_EQ((Pixel{plain[8], plain[9], plain[10], plain[11]}), (Pixel{108, 109, 110, 255}))
        << "without partial alpha any other difference is opaque";
}

TEST(ImageOpsTest, BlendedDrawClipsAndMixes) {
    Image target(true, 3, 2);
    fill(target, 0xFF0000FFu);
    put(target, 2, 1, {0, 0, 0, 0});
    Image source(true, 2, 2);
    put(source, 0, 0, {0, 255, 0, 255});
    put(source, 1, 0, {0, 255, 0, 0});
    put(source, 0, 1, {0, 255, 0, 128});
    put(source, 1, 1, {0, 255, 0, 128});
    drawBlended(target, source, 1, 0);
    drawBlended(target, source, -5, 0);
    EXPECT_EQ(at(target, 0, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(at(target, 1, 0), (Pixel{0, 255, 0, 255}));
    EXPECT_EQ(at(target, 2, 0), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(at(target, 1, 1), (Pixel{127, 128, 0, 255}));
    EXPECT_EQ(at(target, 2, 1), (Pixel{0, 255, 0, 128})) << "over nothing the colour stays";

    Image opaque(false, 1, 1);
    put(opaque, 0, 0, {1, 2, 3, 0});
    drawBlended(target, opaque, 2, 1);
    EXPECT_EQ(at(target, 2, 1), (Pixel{1, 2, 3, 255}));
}

TEST(ImageOpsTest, BlurSpreadsSymmetricallyAndKeepsFlatAreas) {
    Image flat(false, 5, 4);
    fill(flat, 0xFF3366CCu);
    gaussianBlur(flat, 3.0);
    for (int32_t y = 0; y < 4; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            ASSERT_EQ(at(flat, x, y), (Pixel{0xCC, 0x66, 0x33, 255}));
        }
    }

    Image dot(true, 15, 15);
    put(dot, 7, 7, {0, 0, 0, 255});
    gaussianBlur(dot, 3.0);
    EXPECT_LT(at(dot, 7, 7)[3], 255);
    EXPECT_GT(at(dot, 7, 7)[3], at(dot, 8, 7)[3]);
    EXPECT_GT(at(dot, 9, 9)[3], 0);
    EXPECT_EQ(at(dot, 11, 7)[3], 0) << "nothing beyond the radius";
    for (int32_t d = 1; d <= 3; ++d) {
        EXPECT_EQ(at(dot, 7 - d, 7)[3], at(dot, 7 + d, 7)[3]);
        EXPECT_EQ(at(dot, 7, 7 - d)[3], at(dot, 7, 7 + d)[3]);
    }
}

TEST(ImageOpsTest, PremultiplyRunsOnce) {
    Image image(true, 4, 1);
    put(image, 0, 0, {200, 100, 10, 255});
    put(image, 1, 0, {200, 100, 10, 128});
    put(image, 2, 0, {200, 100, 10, 0});
    put(image, 3, 0, {255, 255, 0, 254});
    premultiply(image);
    premultiply(image);
    EXPECT_TRUE(image.premultiplied());
    EXPECT_EQ(at(image, 0, 0), (Pixel{200, 100, 10, 255}));
    EXPECT_EQ(at(image, 1, 0), (Pixel{100, 50, 5, 128}));
    EXPECT_EQ(at(image, 2, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(at(image, 3, 0), (Pixel{254, 254, 0, 254})) << "nearly opaque white stays white";
}

} // namespace
} // namespace fw
