#include "output/ImageFile.h"
#include "output/PngEncoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace fw {
namespace {

// Decodes with the system's codec: every pixel must come back as it was.
int wrongPixels(const Image& image) {
    const std::vector<uint8_t> png = encodePng(image);
    const Image decoded = loadImageFromMemory(png.data(), png.size());
    if (decoded.width() != image.width() || decoded.height() != image.height() ||
        decoded.hasAlpha() != image.hasAlpha()) {
        return -1;
    }
    int wrong = 0;
    for (int32_t y = 0; y < image.height(); ++y) {
        wrong += std::memcmp(decoded.row(y), image.row(y),
                             static_cast<size_t>(image.width() * image.bytesPerPixel())) != 0;
    }
    return wrong;
}

TEST(PngEncoderTest, SystemDecoderReadsBackEveryKindOfContent) {
    std::mt19937 random(7);
    Image noise(false, 301, 299); // incompressible: many blocks of literals
    for (int32_t i = 0; i < noise.byteSize(); ++i) {
        noise.pixels()[i] = static_cast<uint8_t>(random());
    }
    EXPECT_EQ(wrongPixels(noise), 0);

    Image screen(false, 1280, 720); // flat panels, text-like strokes, long repeats
    for (int32_t y = 0; y < screen.height(); ++y) {
        for (int32_t x = 0; x < screen.width(); ++x) {
            uint8_t* p = screen.pixel(x, y);
            const bool stroke = y % 17 < 9 && (x * 7 + y * 3) % 11 < 3 && x > 200;
            p[0] = p[1] = p[2] = stroke ? 30 : (x < 200 ? 230 : 250);
            if (y > 400 && x > 900) {
                p[0] = static_cast<uint8_t>(random() & 0x0F);
            }
        }
    }
    EXPECT_EQ(wrongPixels(screen), 0);

    Image alpha(true, 97, 33);
    for (int32_t i = 0; i < alpha.byteSize(); ++i) {
        alpha.pixels()[i] = static_cast<uint8_t>(i % 251 < 200 ? 77 : random());
    }
    EXPECT_EQ(wrongPixels(alpha), 0);
    // An opaque capture is written as RGB straight from its 32-bit pixels.
    const std::vector<uint8_t> rgb = encodePng(alpha, false);
    const Image decoded = loadImageFromMemory(rgb.data(), rgb.size());
    ASSERT_FALSE(decoded.hasAlpha());
    EXPECT_EQ(std::memcmp(decoded.pixel(96, 32), alpha.pixel(96, 32), 3), 0);
    EXPECT_EQ(wrongPixels(Image(false, 1, 1)), 0);
    EXPECT_EQ(wrongPixels(Image(true, 1, 300)), 0);
    EXPECT_TRUE(encodePng(Image()).empty());
}

TEST(PngEncoderTest, PremultipliedPixelsAreWrittenStraight) {
    Image image(true, 4, 1);
    const uint8_t straight[4][4] = {
        {200, 100, 50, 128}, {255, 0, 10, 255}, {9, 9, 9, 0}, {240, 120, 60, 64}};
    for (int x = 0; x < 4; ++x) {
        for (int c = 0; c < 4; ++c) {
            image.pixel(x, 0)[c] = static_cast<uint8_t>(
                c == 3 ? straight[x][3] : straight[x][c] * straight[x][3] / 255);
        }
    }
    image.setPremultiplied(true);
    const std::vector<uint8_t> png = encodePng(image);
    const Image decoded = loadImageFromMemory(png.data(), png.size());
    ASSERT_EQ(decoded.width(), 4);
    for (int x : {0, 1, 3}) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(decoded.pixel(x, 0)[c], straight[x][c], 4) << x << c;
        }
    }
    EXPECT_EQ(decoded.pixel(2, 0)[3], 0);
}

} // namespace
} // namespace fw
