#include "ui/Resample.h"

#include "ui/ResamplePasses.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace fw {

namespace {

class ResampleKernel {
public:
    virtual ~ResampleKernel() = default;
    virtual double support() const = 0;
    virtual double operator()(double x) const = 0;
};

class BoxKernel final : public ResampleKernel {
public:
    double support() const override { return 0.5; }
    double operator()(double x) const override { return std::abs(x) <= 0.5 ? 1.0 : 0.0; }
};

// Mitchell-Netravali cubic; B = 0, C = 1/2 is Catmull-Rom.
class CubicKernel final : public ResampleKernel {
public:
    CubicKernel(double b, double c)
        : p0_((6 - 2 * b) / 6), p2_((-18 + 12 * b + 6 * c) / 6), p3_((12 - 9 * b - 6 * c) / 6),
          q0_((8 * b + 24 * c) / 6), q1_((-12 * b - 48 * c) / 6), q2_((6 * b + 30 * c) / 6),
          q3_((-b - 6 * c) / 6) {}
    double support() const override { return 2.0; }
    double operator()(double x) const override {
        x = std::abs(x);
        if (x < 1) {
            return p0_ + x * x * (p2_ + x * p3_);
        }
        if (x < 2) {
            return q0_ + x * (q1_ + x * (q2_ + x * q3_));
        }
        return 0;
    }

private:
    double p0_, p2_, p3_, q0_, q1_, q2_, q3_;
};

class LanczosKernel final : public ResampleKernel {
public:
    double support() const override { return 3.0; }
    double operator()(double x) const override {
        return std::abs(x) < 3 ? sinc(x) * sinc(x / 3) : 0.0;
    }

private:
    static double sinc(double x) {
        if (x == 0) {
            return 1;
        }
        x *= std::numbers::pi;
        return std::sin(x) / x;
    }
};

std::unique_ptr<ResampleKernel> makeKernel(ResampleFilter filter) {
    switch (filter) {
    case ResampleFilter::Box:
        return std::make_unique<BoxKernel>();
    case ResampleFilter::Bicubic:
        return std::make_unique<CubicKernel>(1.0 / 3, 1.0 / 3);
    case ResampleFilter::CatmullRom:
        return std::make_unique<CubicKernel>(0.0, 0.5);
    case ResampleFilter::Lanczos3:
        return std::make_unique<LanczosKernel>();
    case ResampleFilter::Nearest:
        break;
    }
    return nullptr;
}

// Fixed-point weights: as many fraction bits as keep every weight within 16
// bits and every sum within 32 bits; more bits for the many small weights of
// strong reductions.
int32_t fractionBits(const ResampleWeights& table) {
    double largestWeight = 1.0 / 65536;
    double largestSum = 1;
    for (size_t u = 0; u < table.left.size(); ++u) {
        double sum = 0;
        for (int32_t k = 0; k < table.count[u]; ++k) {
            const double weight = std::abs(table.weights[u * table.window + k]);
            largestWeight = std::max(largestWeight, weight);
            sum += weight;
        }
        largestSum = std::max(largestSum, sum);
    }
    int32_t shift = 22;
    while (shift > 1 && (largestWeight * std::ldexp(1.0, shift) > 32767 ||
                         255 * largestSum * std::ldexp(1.0, shift) > 2.0e9)) {
        --shift;
    }
    return shift;
}

FixedWeights toFixed(const ResampleWeights& table) {
    FixedWeights fixed;
    fixed.window = table.window;
    fixed.shift = fractionBits(table);
    fixed.pairWindow = (table.window + 1) / 2;
    fixed.left = table.left;
    fixed.count = table.count;
    fixed.weights.assign(table.weights.size(), 0);
    fixed.pairs.assign(table.left.size() * fixed.pairWindow, 0);
    const double one = std::ldexp(1.0, fixed.shift);
    for (size_t u = 0; u < table.left.size(); ++u) {
        const double* exact = &table.weights[u * table.window];
        int32_t* rounded = &fixed.weights[u * table.window];
        double total = 0;
        int64_t roundedTotal = 0;
        int32_t biggest = 0;
        for (int32_t k = 0; k < table.count[u]; ++k) {
            rounded[k] = static_cast<int32_t>(std::lround(exact[k] * one));
            total += exact[k];
            roundedTotal += rounded[k];
            biggest = std::abs(exact[k]) > std::abs(exact[biggest]) ? k : biggest;
        }
        // Rounding must not change the sum, or a flat colour would drift by one.
        rounded[biggest] += static_cast<int32_t>(std::llround(total * one) - roundedTotal);
        rounded[biggest] = std::clamp(rounded[biggest], -32768, 32767);
        // Leading zeros cost time in the pixel loops and add nothing.
        int32_t zeros = 0;
        while (zeros + 1 < fixed.count[u] && rounded[zeros] == 0) {
            ++zeros;
        }
        std::copy(rounded + zeros, rounded + fixed.count[u], rounded);
        std::fill(rounded + fixed.count[u] - zeros, rounded + fixed.count[u], 0);
        fixed.left[u] += zeros;
        fixed.count[u] -= zeros;
        int32_t* pairs = &fixed.pairs[u * fixed.pairWindow];
        for (int32_t k = 0; k < fixed.count[u]; k += 2) {
            const uint32_t second = k + 1 < fixed.count[u] ? uint32_t(rounded[k + 1]) << 16 : 0;
            pairs[k / 2] = static_cast<int32_t>((uint32_t(rounded[k]) & 0xFFFF) | second);
        }
    }
    return fixed;
}

Image filterPass(const Image& source, int32_t width, int32_t height, ResampleFilter filter,
                 bool horizontal) {
    if (source.isEmpty() || (width == source.width() && height == source.height())) {
        return source;
    }
    Image target(source.hasAlpha(), width, height);
    if (target.isEmpty()) {
        return target;
    }
    if (horizontal) {
        const FixedWeights table = toFixed(resampleWeights(source.width(), width, filter));
        horizontalPass(source, target, table);
    } else {
        verticalPass(source, target, toFixed(resampleWeights(source.height(), height, filter)));
    }
    return target;
}

Image nearest(const Image& source, int32_t width, int32_t height) {
    Image target(source.hasAlpha(), width, height);
    if (target.isEmpty()) {
        return target;
    }
    const int32_t bytes = source.bytesPerPixel();
    // Product first, then the division: exact multiples must not round down.
    std::vector<int32_t> columns(static_cast<size_t>(width));
    for (int32_t x = 0; x < width; ++x) {
        columns[x] = static_cast<int32_t>(static_cast<double>(x) * source.width() / width);
    }
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from =
            source.row(static_cast<int32_t>(static_cast<double>(y) * source.height() / height));
        uint8_t* to = target.row(y);
        for (int32_t x = 0; x < width; ++x, to += bytes) {
            std::copy_n(from + columns[x] * bytes, bytes, to);
        }
    }
    return target;
}

} // namespace

ResampleWeights resampleWeights(int32_t sourceLength, int32_t targetLength, ResampleFilter filter) {
    ResampleWeights table;
    const std::unique_ptr<ResampleKernel> kernel = makeKernel(filter);
    if (!kernel || sourceLength < 1 || targetLength < 1) {
        return table;
    }
    const double scale = static_cast<double>(targetLength) / sourceLength;
    const double width = scale < 1 ? kernel->support() / scale : kernel->support();
    const double fscale = scale < 1 ? scale : 1.0;
    table.window = 2 * static_cast<int32_t>(std::ceil(width)) + 1;
    table.left.resize(static_cast<size_t>(targetLength));
    table.count.resize(static_cast<size_t>(targetLength));
    table.weights.assign(static_cast<size_t>(targetLength) * table.window, 0.0);
    for (int32_t u = 0; u < targetLength; ++u) {
        const double center = u / scale + (0.5 / scale - 0.5);
        int32_t left = std::max(0, static_cast<int32_t>(std::floor(center - width)));
        int32_t right = std::min(static_cast<int32_t>(std::ceil(center + width)), sourceLength - 1);
        if (right - left + 1 > table.window) {
            ++left;
        }
        double* weights = &table.weights[static_cast<size_t>(u) * table.window];
        double total = 0;
        for (int32_t i = left; i <= right; ++i) {
            weights[i - left] = fscale * (*kernel)(fscale * (center - i));
            total += weights[i - left];
        }
        if (total > 0 && total != 1) {
            for (int32_t i = left; i <= right; ++i) {
                weights[i - left] /= total;
            }
        }
        while (right > left && weights[right - left] == 0) {
            --right;
        }
        table.left[u] = left;
        table.count[u] = right - left + 1;
    }
    return table;
}

PassOrder resamplePassOrder(int32_t width, int32_t height, int32_t newWidth, int32_t newHeight) {
    return int64_t{newWidth} * height <= int64_t{width} * newHeight ? PassOrder::HorizontalFirst
                                                                    : PassOrder::VerticalFirst;
}

Image resize(const Image& image, int32_t newWidth, int32_t newHeight, ResampleFilter filter) {
    if (newWidth < 1 || newHeight < 1 || image.isEmpty()) {
        return Image();
    }
    if (newWidth == image.width() && newHeight == image.height()) {
        return image.clone();
    }
    Image result;
    if (filter == ResampleFilter::Nearest || !makeKernel(filter)) {
        result = nearest(image, newWidth, newHeight);
    } else if (resamplePassOrder(image.width(), image.height(), newWidth, newHeight) ==
               PassOrder::HorizontalFirst) {
        const Image across = filterPass(image, newWidth, image.height(), filter, true);
        result = filterPass(across, newWidth, newHeight, filter, false);
    } else {
        const Image down = filterPass(image, image.width(), newHeight, filter, false);
        result = filterPass(down, newWidth, newHeight, filter, true);
    }
    if (result.width() != newWidth || result.height() != newHeight) {
        return Image();
    }
    result.setPremultiplied(image.premultiplied());
    return result;
}

} // namespace fw
