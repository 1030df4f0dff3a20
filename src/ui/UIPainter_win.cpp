#include "ui/UIPainter.h"

#include "capture/ImageBitmap_win.h"

namespace fw {

namespace {

void applyHints(Gdiplus::GpGraphics* graphics, uint32_t hints) {
    gdip::GdipSetPageUnit(graphics, Gdiplus::UnitPixel);
    gdip::GdipSetInterpolationMode(graphics, (hints & RenderHintSmoothScaling)
                                                 ? Gdiplus::InterpolationModeDefault
                                                 : Gdiplus::InterpolationModeNearestNeighbor);
    if (hints & RenderHintBlending) {
        gdip::GdipSetCompositingMode(graphics, Gdiplus::CompositingModeSourceOver);
        gdip::GdipSetCompositingQuality(graphics, Gdiplus::CompositingQualityDefault);
    } else {
        gdip::GdipSetCompositingMode(graphics, Gdiplus::CompositingModeSourceCopy);
        // The invalid quality (-1): source copy needs no blending quality.
        gdip::GdipSetCompositingQuality(graphics, static_cast<Gdiplus::CompositingQuality>(-1));
    }
    gdip::GdipSetPixelOffsetMode(graphics, Gdiplus::PixelOffsetModeHalf);
    gdip::GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeHighSpeed);
}

} // namespace

void UIPainter::drawImageThroughPlatform(const Image& image, const Rect& s, const Rect& d) {
    if (image.isEmpty() || !deviceContext() || !startGdiplus()) {
        return;
    }
    Gdiplus::GpGraphics* graphics = nullptr;
    if (gdip::GdipCreateFromHDC(static_cast<HDC>(deviceContext()), &graphics) != Gdiplus::Ok) {
        return;
    }
    applyHints(graphics, renderHints());
    const GdiplusImage bitmap = borrowedBitmap(image);
    Gdiplus::GpImageAttributes* attributes = nullptr;
    gdip::GdipCreateImageAttributes(&attributes);
    if (attributes) {
        // Mirrored tiling keeps stretched edges from fading into transparency.
        gdip::GdipSetImageAttributesWrapMode(attributes, Gdiplus::WrapModeTileFlipXY, 0xFFFFFF,
                                             FALSE);
    }
    if (bitmap) {
        gdip::GdipDrawImageRectRectI(graphics, bitmap.get(), d.x, d.y, d.width, d.height, s.x, s.y,
                                     s.width, s.height, Gdiplus::UnitPixel, attributes, nullptr,
                                     nullptr);
    }
    if (attributes) {
        gdip::GdipDisposeImageAttributes(attributes);
    }
    gdip::GdipDeleteGraphics(graphics);
}

} // namespace fw
namespace fw {
void UIPainter::drawTextThroughPlatform(const Rect&, const Rect&, WideStringView, const FontSpec&,
                                        Color, uint32_t) {}
} // namespace fw
