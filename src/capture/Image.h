#pragma once
// The program's raster: 32-bit pixels (blue, green, red, alpha; alpha 255 is
// opaque) or 24-bit pixels (blue, green, red), rows top-down.
//
// Copies share the pixel buffer through a reference count; writes through any
// copy are seen by all of them (there is no copy-on-write). Call clone() for an
// independent copy. The empty image has no buffer and all sizes zero.
#include "platform/Rect.h"

#include <atomic>
#include <cstdint>

namespace fw {

class Image {
public:
    Image() = default;
    // A zeroed image: transparent black with alpha, black without. A size that is
    // not positive, or whose byte size does not fit 32 bits, or that cannot be
    // allocated, gives the empty image.
    Image(bool hasAlpha, int32_t width, int32_t height);
    Image(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(const Image& other);
    Image& operator=(Image&& other) noexcept;
    ~Image();

    // An independent copy with its own buffer; the premultiplied flag is kept.
    Image clone() const;

    bool isEmpty() const { return pixels_ == nullptr; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    int32_t bitsPerPixel() const { return bytesPerPixel() * 8; }
    int32_t bytesPerPixel() const { return isEmpty() ? 0 : hasAlpha_ ? 4 : 3; }
    // Bytes per row: width * 4, or width * 3 rounded up to a multiple of 4.
    int32_t stride() const { return (width_ * bytesPerPixel() + 3) & ~3; }
    int32_t pixelCount() const { return width_ * height_; }
    int32_t byteSize() const { return stride() * height_; }
    bool hasAlpha() const { return hasAlpha_; }
    bool premultiplied() const { return premultiplied_; }
    void setPremultiplied(bool value) { premultiplied_ = value; }
    // Number of Image values sharing the buffer; 0 for the empty image.
    int32_t shareCount() const { return shared_ ? shared_->load() : 0; }

    // The buffer is shared, so constness of the Image does not protect pixels.
    // row() and pixel() do not check their arguments.
    uint8_t* pixels() const { return pixels_; }
    uint8_t* row(int32_t y) const { return pixels_ + static_cast<intptr_t>(y) * stride(); }
    uint8_t* pixel(int32_t x, int32_t y) const { return row(y) + x * bytesPerPixel(); }

private:
    void release();

    uint8_t* pixels_ = nullptr;
    std::atomic<int32_t>* shared_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool hasAlpha_ = false;
    bool premultiplied_ = false;
};

// The part `r` of `image`: empty unless r is non-empty and lies wholly inside
// the image; a clone when r is the whole image. Keeps alpha and premultiplied flags.
Image crop(const Image& image, const Rect& r);

} // namespace fw
