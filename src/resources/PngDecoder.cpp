#include "resources/PngDecoder.h"

#include "capture/ImageDecoder.h"

namespace fw {

Image decodePng(std::span<const uint8_t> bytes) {
    return loadImageFromMemory(bytes.data(), bytes.size());
}

} // namespace fw
