#pragma once
// A PNG writer made for screenshots: one fast pass of row filtering and
// deflate, several times quicker than the system codec at a modestly larger
// file. The stream is standard: any PNG reader decodes it.
#include "capture/Image.h"

#include <cstdint>
#include <vector>

namespace fw {

// 24-bit images become RGB, 32-bit images RGBA with straight alpha (a
// premultiplied image is converted back), or RGB without `keepAlpha`, which
// saves copying an opaque capture first. Empty for the empty image.
std::vector<uint8_t> encodePng(const Image& image, bool keepAlpha = true);

// The chunk checksum, exposed for tests.
uint32_t crc32Of(const uint8_t* data, size_t size, uint32_t crc = 0);

} // namespace fw
