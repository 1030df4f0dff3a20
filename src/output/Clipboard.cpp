#include "output/Clipboard.h"

#include <cstring>

namespace fw {

namespace {

constexpr size_t kHeaderSize = 40;

void put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

} // namespace

Bytes dibFromImage(const Image& image) {
    if (image.isEmpty()) {
        return Bytes();
    }
    const size_t stride = static_cast<size_t>(image.stride());
    Bytes dib(kHeaderSize + stride * static_cast<size_t>(image.height()), 0);
    put32(&dib[0], kHeaderSize);
    put32(&dib[4], static_cast<uint32_t>(image.width()));
    // A positive height marks bottom-up rows.
    put32(&dib[8], static_cast<uint32_t>(image.height()));
    dib[12] = 1; // planes
    // 24-bit images keep 3 bytes per pixel: labelling them 32-bit would garble them.
    dib[14] = static_cast<uint8_t>(image.bitsPerPixel());
    uint8_t* out = dib.data() + kHeaderSize;
    for (int32_t y = image.height() - 1; y >= 0; --y, out += stride) {
        std::memcpy(out, image.row(y), stride);
    }
    return dib;
}

} // namespace fw
