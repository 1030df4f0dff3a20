#pragma once
// Resizing of images with a choice of filters. Every channel, alpha included, is
// filtered the same way; 24-bit images stay 24-bit.
#include "capture/Image.h"

#include <cstdint>
#include <vector>

namespace fw {

enum class ResampleFilter : int32_t {
    Nearest = 0,
    Box = 1,
    Bicubic = 2, // Mitchell-Netravali, B = C = 1/3
    CatmullRom = 3,
    Lanczos3 = 4,
};

// The contributions of source positions to each destination position along one
// axis. Entry u has `count[u]` weights starting at `weights[u * window]`, for the
// source positions from `left[u]` on.
struct ResampleWeights {
    int32_t window = 0;
    std::vector<int32_t> left;
    std::vector<int32_t> count;
    std::vector<double> weights;
};

// Weight table for one pass from `sourceLength` to `targetLength` positions;
// filter Nearest has none (window 0).
ResampleWeights resampleWeights(int32_t sourceLength, int32_t targetLength, ResampleFilter filter);

// The pass that shrinks the work most runs first.
enum class PassOrder { HorizontalFirst, VerticalFirst };
PassOrder resamplePassOrder(int32_t width, int32_t height, int32_t newWidth, int32_t newHeight);

// The image at the new size: empty when either new size is below 1, a clone when
// the size is unchanged. Filtered results are clamped to 0...255.
Image resize(const Image& image, int32_t newWidth, int32_t newHeight, ResampleFilter filter);

} // namespace fw
