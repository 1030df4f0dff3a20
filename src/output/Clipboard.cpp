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

WideString twoDigits(int32_t value) {
    WideString text = toWide(value);
    if (value >= 0 && text.size() < 2) {
        text.insert(text.begin(), u'0');
    }
    return text;
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

WideString dimensionsText(int32_t width, int32_t height) {
    return toWide(width) + u" x " + toWide(height);
}

WideString dateText(const CaptureTime& t) {
    WideString year = toWide(t.year);
    while (t.year >= 0 && year.size() < 4) {
        year.insert(year.begin(), u'0');
    }
    return year + u"/" + twoDigits(t.month) + u"/" + twoDigits(t.day) + u" " + twoDigits(t.hour) +
           u":" + twoDigits(t.minute) + u":" + twoDigits(t.second);
}

} // namespace fw
