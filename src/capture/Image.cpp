#include "capture/Image.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace fw {

Image::Image(bool hasAlpha, int32_t width, int32_t height) {
    if (width < 1 || height < 1) {
        return;
    }
    const int64_t bytesPerPixel = hasAlpha ? 4 : 3;
    const int64_t stride = (width * bytesPerPixel + 3) & ~int64_t{3};
    const int64_t byteSize = stride * height;
    // Every size is 32-bit; a screen of that size would be absurd anyway.
    if (byteSize > INT32_MAX) {
        return;
    }
    auto* shared = new (std::nothrow) std::atomic<int32_t>(1);
    auto* pixels = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(byteSize), 1));
    if (!shared || !pixels) {
        delete shared;
        std::free(pixels);
        return;
    }
    pixels_ = pixels;
    shared_ = shared;
    width_ = width;
    height_ = height;
    hasAlpha_ = hasAlpha;
}

Image::Image(const Image& other)
    : pixels_(other.pixels_), shared_(other.shared_), width_(other.width_), height_(other.height_),
      hasAlpha_(other.hasAlpha_), premultiplied_(other.premultiplied_) {
    if (shared_) {
        shared_->fetch_add(1);
    }
}

Image::Image(Image&& other) noexcept : Image() {
    *this = std::move(other);
}

Image& Image::operator=(const Image& other) {
    if (this != &other) {
        Image copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        release();
        pixels_ = std::exchange(other.pixels_, nullptr);
        shared_ = std::exchange(other.shared_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        hasAlpha_ = std::exchange(other.hasAlpha_, false);
        premultiplied_ = std::exchange(other.premultiplied_, false);
    }
    return *this;
}

Image::~Image() {
    release();
}

void Image::release() {
    if (shared_ && shared_->fetch_sub(1) == 1) {
        std::free(pixels_);
        delete shared_;
    }
    pixels_ = nullptr;
    shared_ = nullptr;
}

Image Image::clone() const {
    if (isEmpty()) {
        return Image();
    }
    Image copy(hasAlpha_, width_, height_);
    if (!copy.isEmpty()) {
        std::memcpy(copy.pixels_, pixels_, static_cast<size_t>(byteSize()));
        copy.premultiplied_ = premultiplied_;
    }
    return copy;
}

Image crop(const Image& image, const Rect& r) {
    // 64-bit sums: a rectangle near the 32-bit limits must not wrap inside.
    if (r.isEmpty() || r.x < 0 || r.y < 0 || int64_t{r.x} + r.width > image.width() ||
        int64_t{r.y} + r.height > image.height()) {
        return Image();
    }
    if (r.x == 0 && r.y == 0 && r.width == image.width() && r.height == image.height()) {
        return image.clone();
    }
    Image result(image.hasAlpha(), r.width, r.height);
    if (result.isEmpty()) {
        return result;
    }
    const size_t rowBytes = static_cast<size_t>(r.width) * image.bytesPerPixel();
    for (int32_t y = 0; y < r.height; ++y) {
        std::memcpy(result.row(y), image.pixel(r.x, r.y + y), rowBytes);
    }
    result.setPremultiplied(image.premultiplied());
    return result;
}

} // namespace fw
