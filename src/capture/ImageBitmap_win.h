#pragma once
// GDI+ bitmaps over Image buffers, shared by the image files and the painter.
#include "capture/Image.h"
#include "platform/Gdiplus_win.h"

#include <memory>

namespace fw {

struct GdiplusImageDeleter {
    void operator()(Gdiplus::GpImage* image) const { gdip::GdipDisposeImage(image); }
};
using GdiplusImage = std::unique_ptr<Gdiplus::GpImage, GdiplusImageDeleter>;

// A bitmap that borrows the image's pixels, nothing copied: the image must
// outlive it. Null on failure; GDI+ must have been started.
GdiplusImage borrowedBitmap(const Image& image);

} // namespace fw
