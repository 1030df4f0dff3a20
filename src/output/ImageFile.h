#pragma once
// Image files: the screenshot formats, the codec chosen by a file's extension,
// and writing through the system's image codecs (reading is ImageDecoder's).
#include "capture/Image.h"
#include "capture/ImageDecoder.h"
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>

namespace fw {

// Values of the output-format setting.
enum OutputFormat : int32_t { kFormatBmp = 0, kFormatPng = 1, kFormatJpg = 2 };

// "bmp", "png", "jpg"; empty for any other value.
WideString extensionOf(int32_t format);
// "PNG - Portable Network Graphics (*.png)" and so on; empty for any other value.
WideString formatName(int32_t format);

struct ImageCodec {
    const char16_t* mimeType;
    const char16_t* extensions[2];
    // The one encoder parameter: quality 100 for JPEG.
    bool maximumQuality;
};

// The codec for a lower-case extension; null when none handles it.
const ImageCodec* codecForExtension(WideStringView extension);

// The text after the last "." of the file name, lower-cased; empty without one.
WideString lowerExtensionOf(WideStringView path);

// True when the image has no alpha channel or every pixel is opaque.
bool isOpaque(const Image& image);
// A 24-bit copy of the colours; an opaque capture needs no alpha channel on disk.
Image withoutAlpha(const Image& image);

// Writes the image in the format its extension names. Images whose every pixel
// is opaque are written as 24-bit; real transparency is kept as 32-bit ARGB
// (premultiplied when the image is). The file is replaced in one step, so a
// failed write never leaves a damaged file behind.
bool saveImage(WideStringView path, const Image& image);

} // namespace fw
