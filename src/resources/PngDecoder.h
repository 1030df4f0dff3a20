#pragma once
// Decoding of the PNG entries of data packs.
#include "capture/Image.h"

#include <cstdint>
#include <span>

namespace fw {

// Turns encoded bytes into an image; the empty image on failure.
using ImageDecoder = Image (*)(std::span<const uint8_t> bytes);

// The system's image codecs: 32-bit with straight alpha for images that have
// transparency, 24-bit otherwise. The native build has no codec and always
// returns the empty image.
Image decodePng(std::span<const uint8_t> bytes);

} // namespace fw
