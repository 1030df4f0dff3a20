#pragma once
// The pixel loops of resize: one filter pass along rows or along columns with a
// precomputed fixed-point weight table.
#include "capture/Image.h"

#include <cstdint>
#include <vector>

namespace fw {

// Weights scaled by 2^shift and rounded; each fits 16 bits so that two taps
// can be multiplied and added in one step, and no sum of 8-bit values times
// weights can overflow 32 bits. `pairs` holds the weights of each position
// packed two to an int32 (low half first, zero-padded to an even count),
// `pairWindow` entries per position.
struct FixedWeights {
    int32_t window = 0;
    int32_t shift = 0;
    int32_t pairWindow = 0;
    std::vector<int32_t> left;
    std::vector<int32_t> count;
    std::vector<int32_t> weights;
    std::vector<int32_t> pairs;
};

// `target` has the source's height; its width is the table's length.
void horizontalPass(const Image& source, const Image& target, const FixedWeights& table);
// `target` has the source's width; its height is the table's length.
void verticalPass(const Image& source, const Image& target, const FixedWeights& table);

} // namespace fw
