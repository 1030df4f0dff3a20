#include "ui/Resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

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

// The filters' kernels, written from their formulas.
double sinc(double x) {
    return x == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
}

double kernel(ResampleFilter filter, double x) {
    x = std::abs(x);
    const double b = 1.0 / 3, c = 1.0 / 3; // Mitchell-Netravali as the bicubic filter
    switch (filter) {
    case ResampleFilter::Box:
        return x <= 0.5 ? 1 : 0;
    case ResampleFilter::Bicubic:
        if (x < 1) {
            return ((12 - 9 * b - 6 * c) * x * x * x + (-18 + 12 * b + 6 * c) * x * x +
                    (6 - 2 * b)) /
                   6;
        }
        return x < 2 ? ((-b - 6 * c) * x * x * x + (6 * b + 30 * c) * x * x +
                        (-12 * b - 48 * c) * x + (8 * b + 24 * c)) /
                           6
                     : 0;
    case ResampleFilter::CatmullRom:
        if (x < 1) {
            return (3 * x * x * x - 5 * x * x + 2) / 2;
        }
        return x < 2 ? (-x * x * x + 5 * x * x - 8 * x + 4) / 2 : 0;
    case ResampleFilter::Lanczos3:
        return x < 3 ? sinc(x) * sinc(x / 3) : 0;
    case ResampleFilter::Nearest:
        break;
    }
    return 0;
}

double support(ResampleFilter filter) {
    return filter == ResampleFilter::Box ? 0.5 : filter == ResampleFilter::Lanczos3 ? 3 : 2;
}

// The weights of one destination position: sampled kernel, widened when
// shrinking, normalised to a sum of 1, trailing zeros dropped.
struct Taps {
    int32_t left = 0;
    std::vector<double> weights;
};

std::vector<Taps> referenceWeights(int32_t from, int32_t to, ResampleFilter filter,
                                   int32_t& window) {
    const double scale = static_cast<double>(to) / from;
    const double width = scale < 1 ? support(filter) / scale : support(filter);
    const double fscale = std::min(scale, 1.0);
    window = 2 * static_cast<int32_t>(std::ceil(width)) + 1;
    std::vector<Taps> table(static_cast<size_t>(to));
    for (int32_t u = 0; u < to; ++u) {
        const double center = u / scale + (0.5 / scale - 0.5);
        int32_t left = std::max(0, static_cast<int32_t>(std::floor(center - width)));
        const int32_t right = std::min(static_cast<int32_t>(std::ceil(center + width)), from - 1);
        left += right - left + 1 > window ? 1 : 0;
        Taps& taps = table[static_cast<size_t>(u)];
        taps.left = left;
        double total = 0;
        for (int32_t i = left; i <= right; ++i) {
            taps.weights.push_back(fscale * kernel(filter, fscale * (center - i)));
            total += taps.weights.back();
        }
        for (double& weight : taps.weights) {
            weight = total > 0 ? weight / total : weight;
        }
        while (taps.weights.size() > 1 && taps.weights.back() == 0) {
            taps.weights.pop_back();
        }
    }
    return table;
}

// One pass in double precision, each result rounded and clamped to a byte.
Image referencePass(const Image& source, int32_t width, int32_t height, ResampleFilter filter) {
    if (width == source.width() && height == source.height()) {
        return source;
    }
    const bool across = width != source.width();
    int32_t window = 0;
    const std::vector<Taps> table = across
                                        ? referenceWeights(source.width(), width, filter, window)
                                        : referenceWeights(source.height(), height, filter, window);
    Image target(source.hasAlpha(), width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const Taps& taps = table[static_cast<size_t>(across ? x : y)];
            for (int32_t c = 0; c < source.bytesPerPixel(); ++c) {
                double sum = 0;
                for (size_t k = 0; k < taps.weights.size(); ++k) {
                    const int32_t at = taps.left + static_cast<int32_t>(k);
                    sum += taps.weights[k] *
                           (across ? source.pixel(at, y)[c] : source.pixel(x, at)[c]);
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

TEST(ResampleTest, FilteredResultsFollowTheFilterFormulas) {
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
            // Both axes: two passes through a rounded intermediate image, in
            // whichever order.
            for (auto [w, h] : {std::pair{30, 20}, std::pair{100, 90}, std::pair{20, 70}}) {
                const Image result = resize(image, w, h, filter);
                const Image across = referencePass(image, w, image.height(), filter);
                const Image down = referencePass(image, image.width(), h, filter);
                EXPECT_LE(std::min(maxDifference(result, referencePass(across, w, h, filter)),
                                   maxDifference(result, referencePass(down, w, h, filter))),
                          1)
                    << int(filter) << " to " << w << "x" << h;
            }
        }
    }
}

TEST(ResampleTest, WeightTablesFollowTheFilterFormulas) {
    for (ResampleFilter filter : kFiltered) {
        for (auto [from, to] :
             {std::pair{16, 32}, std::pair{1080, 101}, std::pair{7, 5}, std::pair{5, 13}}) {
            int32_t window = 0;
            const std::vector<Taps> expected = referenceWeights(from, to, filter, window);
            const ResampleWeights table = resampleWeights(from, to, filter);
            ASSERT_EQ(table.window, window);
            // Compared position by position: a weight that is zero by the
            // formula may come out a rounding error away from it.
            for (int32_t u = 0; u < to; ++u) {
                const Taps& taps = expected[static_cast<size_t>(u)];
                ASSERT_LE(table.count[u], table.window);
                for (int32_t i = 0; i < from; ++i) {
                    const int32_t k = i - taps.left, j = i - table.left[u];
                    const double want = k >= 0 && k < static_cast<int32_t>(taps.weights.size())
                                            ? taps.weights[k]
                                            : 0;
                    const double got =
                        j >= 0 && j < table.count[u] ? table.weights[u * table.window + j] : 0;
                    EXPECT_NEAR(got, want, 1e-12) << int(filter) << " " << from << " to " << to;
                }
            }
        }
    }
    // An icon of 16 pixels doubled by Catmull-Rom takes five source pixels at most.
    EXPECT_EQ(resampleWeights(16, 32, ResampleFilter::CatmullRom).window, 5);
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
