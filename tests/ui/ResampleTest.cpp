#include "ui/Resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fw {
namespace {

const ResampleFilter kFiltered[] = {ResampleFilter::Box, ResampleFilter::Bicubic,
                                    ResampleFilter::CatmullRom, ResampleFilter::Lanczos3};

Image noise(bool alpha, int32_t width, int32_t height, uint32_t seed) {
    Image image(alpha, width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t i = 0; i < width * image.bytesPerPixel(); ++i) {
            seed = seed * 1664525u + 1013904223u;
            image.row(y)[i] = static_cast<uint8_t>(seed >> 24);
        }
    }
    return image;
}

// One pass with the exact double weights, the way the result is defined.
Image referencePass(const Image& source, int32_t width, int32_t height, ResampleFilter filter) {
    if (width == source.width() && height == source.height()) {
        return source;
    }
    const bool across = width != source.width();
    const ResampleWeights table = across ? resampleWeights(source.width(), width, filter)
                                         : resampleWeights(source.height(), height, filter);
    Image target(source.hasAlpha(), width, height);
    const int32_t bytes = source.bytesPerPixel();
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int32_t u = across ? x : y;
            for (int32_t c = 0; c < bytes; ++c) {
                double sum = 0;
                for (int32_t k = 0; k < table.count[u]; ++k) {
                    const int32_t at = table.left[u] + k;
                    const uint8_t value = across ? source.pixel(at, y)[c] : source.pixel(x, at)[c];
                    sum += table.weights[u * table.window + k] * value;
                }
                target.pixel(x, y)[c] = static_cast<uint8_t>(std::clamp(sum + 0.5, 0.0, 255.0));
            }
        }
    }
    return target;
}

int maxDifference(const Image& a, const Image& b) {
    int worst = 0;
    for (int32_t y = 0; y < a.height(); ++y) {
        for (int32_t i = 0; i < a.width() * a.bytesPerPixel(); ++i) {
            worst = std::max(worst, std::abs(a.row(y)[i] - b.row(y)[i]));
        }
    }
    return worst;
}

TEST(ResampleTest, SameSizeClonesAndZeroSizeIsEmpty) {
    const Image image = noise(true, 7, 5, 1);
    for (ResampleFilter filter : kFiltered) {
        const Image same = resize(image, 7, 5, filter);
        EXPECT_NE(same.pixels(), image.pixels());
        EXPECT_EQ(maxDifference(same, image), 0);
        EXPECT_TRUE(resize(image, 0, 5, filter).isEmpty());
        EXPECT_TRUE(resize(image, 7, -1, filter).isEmpty());
    }
}

TEST(ResampleTest, OneColourStaysExactlyThatColour) {
    for (bool alpha : {true, false}) {
        Image flat(alpha, 37, 23);
        for (int32_t y = 0; y < flat.height(); ++y) {
            for (int32_t i = 0; i < flat.width() * flat.bytesPerPixel(); ++i) {
                flat.row(y)[i] = static_cast<uint8_t>(i % flat.bytesPerPixel() * 80 + 13);
            }
        }
        for (ResampleFilter filter : kFiltered) {
            for (auto [w, h] : {std::pair{5, 3}, std::pair{80, 61}, std::pair{36, 100}}) {
                const Image result = resize(flat, w, h, filter);
                ASSERT_EQ(result.hasAlpha(), alpha);
                EXPECT_EQ(maxDifference(result, resize(flat, w, h, ResampleFilter::Nearest)), 0)
                    << int(filter) << " to " << w << "x" << h;
            }
        }
    }
}

TEST(ResampleTest, FilteredResultsFollowTheExactWeights) {
    for (bool alpha : {true, false}) {
        const Image image = noise(alpha, 61, 43, alpha ? 2 : 3);
        for (ResampleFilter filter : kFiltered) {
            // Rounding of the fixed-point weights may move a value by one.
            for (auto [w, h] :
                 {std::pair{7, 43}, std::pair{150, 43}, std::pair{61, 80}, std::pair{61, 11}}) {
                EXPECT_LE(
                    maxDifference(resize(image, w, h, filter), referencePass(image, w, h, filter)),
                    1)
                    << int(filter) << " to " << w << "x" << h;
            }
        }
    }
}

TEST(ResampleTest, OvershootAtHardEdgesIsClamped) {
    Image edge(true, 8, 1);
    for (int32_t x = 4; x < 8; ++x) {
        std::fill_n(edge.pixel(x, 0), 4, uint8_t{255});
    }
    for (ResampleFilter filter : {ResampleFilter::CatmullRom, ResampleFilter::Lanczos3}) {
        const Image wide = resize(edge, 64, 1, filter);
        EXPECT_EQ(wide.pixel(0, 0)[0], 0);
        EXPECT_EQ(wide.pixel(63, 0)[0], 255);
        EXPECT_EQ(maxDifference(wide, referencePass(edge, 64, 1, filter)), 0);
    }
}

TEST(ResampleTest, PassOrderAndWindows) {
    EXPECT_EQ(resamplePassOrder(1920, 1080, 180, 101), PassOrder::VerticalFirst);
    EXPECT_EQ(resamplePassOrder(1080, 1920, 101, 180), PassOrder::HorizontalFirst);
    EXPECT_EQ(resamplePassOrder(1920, 1080, 960, 540), PassOrder::HorizontalFirst);

    EXPECT_EQ(resampleWeights(16, 32, ResampleFilter::CatmullRom).window, 5);
    EXPECT_EQ(resampleWeights(1080, 101, ResampleFilter::Lanczos3).window, 67);
}

TEST(ResampleTest, NearestPicksTruncatedSourcePositions) {
    // 11 * 30 / 22 is exactly 15, but 11 * (30 / 22.0) falls just below it.
    const Image image = noise(false, 30, 3, 4);
    const Image result = resize(image, 22, 7, ResampleFilter::Nearest);
    for (int32_t y = 0; y < 7; ++y) {
        for (int32_t x = 0; x < 22; ++x) {
            const uint8_t* from = image.pixel(x * 30 / 22, y * 3 / 7);
            EXPECT_TRUE(std::equal(from, from + 3, result.pixel(x, y))) << x << ", " << y;
        }
    }
}

} // namespace
} // namespace fw
