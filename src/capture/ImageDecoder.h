#pragma once
// Reading image files (BMP, PNG, JPEG and whatever else the system decodes)
// through the system's codecs, for screenshots and data-pack images alike.
#include "capture/Image.h"
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>

namespace fw {

// Images with an alpha channel (or a palette) load as 32-bit with alpha, all
// others as 24-bit. Empty on any failure, and always in the native build.
Image loadImage(WideStringView path);
Image loadImageFromMemory(const uint8_t* data, size_t size);

} // namespace fw
