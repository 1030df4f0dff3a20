#include "output/ImageFile.h"

#include <array>
#include <cstring>

namespace fw {

namespace {

struct FormatInfo {
    const char16_t* extension;
    const char16_t* name;
};

constexpr std::array<FormatInfo, 3> kFormats = {{
    {u"bmp", u"BMP - Windows Bitmap (*.bmp)"},
    {u"png", u"PNG - Portable Network Graphics (*.png)"},
    {u"jpg", u"JPG - JPEG Format (*.jpg)"},
}};

constexpr std::array<ImageCodec, 5> kCodecs = {{
    {u"image/bmp", {u"bmp", nullptr}, false},
    {u"image/jpeg", {u"jpg", u"jpeg"}, true},
    {u"image/png", {u"png", nullptr}, false},
    {u"image/tiff", {u"tif", u"tiff"}, false},
    {u"image/gif", {u"gif", nullptr}, false},
}};

} // namespace

WideString extensionOf(int32_t format) {
    return format >= 0 && format < 3 ? kFormats[static_cast<size_t>(format)].extension : u"";
}

WideString formatName(int32_t format) {
    return format >= 0 && format < 3 ? kFormats[static_cast<size_t>(format)].name : u"";
}

const ImageCodec* codecForExtension(WideStringView extension) {
    for (const ImageCodec& codec : kCodecs) {
        for (const char16_t* own : codec.extensions) {
            if (own != nullptr && extension == own) {
                return &codec;
            }
        }
    }
    return nullptr;
}

WideString lowerExtensionOf(WideStringView path) {
    size_t dot = path.rfind(u'.');
    size_t slash = path.find_last_of(u"\\/");
    if (dot == WideStringView::npos || (slash != WideStringView::npos && slash > dot)) {
        return WideString();
    }
    return toLowerCase(path.substr(dot + 1));
}

bool isOpaque(const Image& image) {
    if (!image.hasAlpha()) {
        return true;
    }
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* pixel = image.row(y);
        for (int32_t x = 0; x < image.width(); ++x, pixel += 4) {
            if (pixel[3] != 255) {
                return false;
            }
        }
    }
    return true;
}

Image withoutAlpha(const Image& image) {
    if (image.isEmpty() || !image.hasAlpha()) {
        return image;
    }
    Image result(false, image.width(), image.height());
    if (result.isEmpty()) {
        return result;
    }
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* from = image.row(y);
        uint8_t* to = result.row(y);
        for (int32_t x = 0; x < image.width(); ++x, from += 4, to += 3) {
            std::memcpy(to, from, 3);
        }
    }
    return result;
}

} // namespace fw
