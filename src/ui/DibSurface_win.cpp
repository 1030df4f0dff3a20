#include "ui/DibSurface_win.h"

namespace fw {

void DibSurface::release() {
    selected_.reset();
    bitmap_.reset();
    dc_.reset();
    bits_ = nullptr;
    capacityWidth_ = capacityHeight_ = width_ = height_ = 0;
}

bool DibSurface::ensure(int32_t width, int32_t height) {
    if (width < 1 || height < 1) {
        return false;
    }
    const bool fits = width <= capacityWidth_ && height <= capacityHeight_;
    // Resizing a window step by step must not reallocate at every step, nor
    // keep a full-screen bitmap for a small window.
    const bool wasteful = int64_t(width) * height * 4 < int64_t(capacityWidth_) * capacityHeight_;
    if (!fits || wasteful) {
        release();
        dc_.reset(::CreateCompatibleDC(nullptr));
        if (!dc_) {
            return false;
        }
        int32_t w = fits ? width : width + width / 4;
        int32_t h = fits ? height : height + height / 4;
        BITMAPINFO info = topDownBitmapInfo(w, h);
        bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_ || !bits_) {
            release();
            return false;
        }
        selected_.emplace(dc_.get(), bitmap_.get());
        capacityWidth_ = w;
        capacityHeight_ = h;
    }
    width_ = width;
    height_ = height;
    return true;
}

PixelSurface DibSurface::surface() const {
    if (!bits_) {
        return PixelSurface{};
    }
    return PixelSurface{static_cast<uint8_t*>(bits_), width_, height_, capacityWidth_ * 4};
}

void DibSurface::clear(uint32_t premultiplied) {
    ::GdiFlush();
    PixelSurface s = surface();
    for (int32_t y = 0; y < s.height; ++y) {
        uint32_t* row = s.row(y);
        for (int32_t x = 0; x < s.width; ++x) {
            row[x] = premultiplied;
        }
    }
}

} // namespace fw
