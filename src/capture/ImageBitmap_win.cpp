#include "capture/ImageBitmap_win.h"

namespace fw {

GdiplusImage borrowedBitmap(const Image& image) {
    Gdiplus::PixelFormat format = PixelFormat24bppRGB;
    if (image.hasAlpha()) {
        format = image.premultiplied() ? PixelFormat32bppPARGB : PixelFormat32bppARGB;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (image.isEmpty() ||
        gdip::GdipCreateBitmapFromScan0(image.width(), image.height(), image.stride(), format,
                                        image.pixels(), &bitmap) != Gdiplus::Ok) {
        return GdiplusImage();
    }
    return GdiplusImage(bitmap);
}

} // namespace fw
