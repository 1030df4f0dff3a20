#include "ui/UIPainter.h"

#include "capture/ImageBitmap_win.h"
#include "platform/Win32.h"
#include "ui/DibSurface_win.h"
#include "ui/TextLayout.h"
#include "ui/TextMaskCache.h"

#include <algorithm>
#include <vector>

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

UINT textFormat(uint32_t flags) {
    UINT format = 0;
    format |= (flags & AlignLeft) ? DT_LEFT : (flags & AlignRight) ? DT_RIGHT : DT_CENTER;
    if (flags & TextWordWrap) {
        format |= DT_WORDBREAK; // placed vertically by hand: DrawText does so on one line only
    } else {
        format |= DT_SINGLELINE;
        format |= (flags & AlignTop) ? DT_TOP : (flags & AlignBottom) ? DT_BOTTOM : DT_VCENTER;
    }
    if (flags & TextEllipsis) {
        format |= DT_END_ELLIPSIS;
    }
    if (!(flags & TextMnemonic)) {
        format |= DT_NOPREFIX;
    }
    return format;
}

// The box DrawText lays the text out in: `whole`, or for wrapped text the
// height of its lines placed in `whole` by the vertical alignment.
RECT textBox(HDC dc, const Rect& whole, const wchar_t* text, int length, UINT format,
             uint32_t flags) {
    RECT box = toRECT(whole);
    if (!(flags & TextWordWrap) || (flags & AlignTop)) {
        return box;
    }
    RECT measured = box;
    ::DrawTextW(dc, text, length, &measured, format | DT_CALCRECT);
    const int32_t height = measured.bottom - measured.top;
    box.top =
        (flags & AlignBottom) ? whole.bottom() - height : whole.y + (whole.height - height) / 2;
    box.bottom = box.top + height;
    return box;
}

// Where the glyphs can land: the rows of the one line (with room for marks
// that reach above or below it) or of the wrapped lines.
Rect inkBand(const Rect& whole, const RECT& box, int32_t lineHeight, uint32_t flags) {
    if (flags & TextWordWrap) {
        return fromRECT(box);
    }
    int32_t top = whole.y + (whole.height - lineHeight) / 2;
    if (flags & AlignTop) {
        top = whole.y;
    } else if (flags & AlignBottom) {
        top = whole.bottom() - lineHeight;
    }
    return Rect{whole.x, top - lineHeight / 2, whole.width, lineHeight * 2};
}

// The surface pixels under `area`, row after row.
void savePixels(const PixelSurface& surface, const Rect& area, std::vector<uint32_t>& pixels) {
    pixels.resize(static_cast<size_t>(area.width) * area.height);
    uint32_t* out = pixels.data();
    for (int32_t y = area.y; y < area.bottom(); ++y, out += area.width) {
        const uint32_t* row = surface.row(y) + area.x;
        std::copy(row, row + area.width, out);
    }
}

// One line laid out with the advances that measuring gives (the caret and the
// layout use those): some rasterisers otherwise place some glyphs a pixel
// wider apart than they measure, and a measured caption loses its end. Lines
// with mnemonics or too long for the box are left to DrawText and its
// underline and ellipsis.
bool drawMeasuredLine(HDC dc, const Rect& box, const wchar_t* text, int length, uint32_t flags) {
    if ((flags & TextWordWrap) || length <= 0 || length > 1024 ||
        ((flags & TextMnemonic) && std::find(text, text + length, L'&') != text + length)) {
        return false;
    }
    thread_local std::vector<INT> advances;
    advances.resize(static_cast<size_t>(length));
    SIZE total{};
    TEXTMETRICW metrics{};
    if (!::GetTextExtentExPointW(dc, text, length, 0, nullptr, advances.data(), &total) ||
        total.cx > box.width || !::GetTextMetricsW(dc, &metrics)) {
        return false;
    }
    for (int i = length - 1; i > 0; --i) {
        advances[i] -= advances[i - 1];
    }
    const Rect line = alignedRect(box, Size{total.cx, metrics.tmHeight}, flags);
    const RECT clip = toRECT(box);
    return ::ExtTextOutW(dc, line.x, line.y, ETO_CLIPPED, &clip, text, static_cast<UINT>(length),
                         advances.data()) != 0;
}

// Larger boxes (a page of text in one call) are drawn directly: their masks
// would crowd the cache for a single use.
constexpr int64_t kLargestCachedBox = 512 * 64;

// The line rasterised white on black in a scratch bitmap of its box's size.
bool rasteriseMask(HGDIOBJ font, const Rect& whole, const wchar_t* text, int length, uint32_t flags,
                   TextMask& mask) {
    thread_local DibSurface scratch;
    if (!scratch.ensure(whole.width, whole.height)) {
        return false;
    }
    scratch.clear(0);
    HDC dc = scratch.dc();
    if (::GetCurrentObject(dc, OBJ_FONT) != font) {
        ::SelectObject(dc, font);
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetTextColor(dc, RGB(255, 255, 255));
    RECT box{0, 0, whole.width, whole.height};
    if (!drawMeasuredLine(dc, Rect{0, 0, whole.width, whole.height}, text, length, flags)) {
        ::DrawTextW(dc, text, length, &box, textFormat(flags));
    }
    ::GdiFlush();
    const PixelSurface pixels = scratch.surface();
    mask.width = whole.width;
    mask.height = whole.height;
    mask.coverage.resize(static_cast<size_t>(whole.width) * whole.height);
    for (int32_t y = 0; y < whole.height; ++y) {
        const uint32_t* row = pixels.row(y);
        std::copy(row, row + whole.width,
                  mask.coverage.data() + static_cast<size_t>(y) * whole.width);
    }
    mask.findInk();
    return true;
}

} // namespace

bool UIPainter::drawTextFromMask(const Rect& whole, const Rect& clip, WideStringView text,
                                 const FontSpec& font, Color color, uint32_t flags) {
    if (surface().isNull() || (flags & TextWordWrap) ||
        int64_t(whole.width) * whole.height > kLargestCachedBox) {
        return false;
    }
    thread_local TextMaskCache cache;
    TextMaskKey key{WideString(text), font, dpi(), flags, whole.width, whole.height};
    const TextMask* mask = cache.find(key);
    if (!mask) {
        HGDIOBJ fontObject = static_cast<HGDIOBJ>(platformFont(font, dpi()));
        TextMask made;
        if (!fontObject ||
            !rasteriseMask(fontObject, whole, reinterpret_cast<const wchar_t*>(text.data()),
                           static_cast<int>(text.size()), flags, made)) {
            return false;
        }
        mask = cache.insert(std::move(key), std::move(made));
        if (!mask) {
            return false;
        }
    }
    // The painter's own pixels are about to be written behind GDI's back.
    ::GdiFlush();
    blendTextMask(surface(), *mask, Point{whole.x, whole.y}, clip, color);
    return true;
}

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

void UIPainter::drawTextThroughPlatform(const Rect& whole, const Rect& clip, WideStringView text,
                                        const FontSpec& font, Color color, uint32_t flags) {
    HDC dc = static_cast<HDC>(deviceContext());
    HGDIOBJ fontObject = static_cast<HGDIOBJ>(platformFont(font, dpi()));
    if (!dc || !fontObject || text.size() > 0x7FFFFFFF) {
        return;
    }
    if (text.size() <= 1024 && drawTextFromMask(whole, clip, text, font, color, flags)) {
        return;
    }
    const auto* chars = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const UINT format = textFormat(flags);
    // Selecting a font is slow (it is matched anew each time), so the font
    // stays selected after the draw; cached fonts live until exit, so the
    // device context never holds a deleted one. SaveDC/RestoreDC would select
    // it twice more.
    if (::GetCurrentObject(dc, OBJ_FONT) != fontObject) {
        ::SelectObject(dc, fontObject);
    }
    RECT box = textBox(dc, whole, chars, length, format, flags);
    // GDI writes into the pixels behind the painter's back: keep what was there
    // so that alpha can be put right afterwards.
    thread_local std::vector<uint32_t> before;
    const Rect inked = intersect(clip, inkBand(whole, box, fontMetrics(font, dpi()).height, flags));
    const bool mend = !surface().isNull();
    if (mend && inked.isEmpty()) {
        return; // the clip leaves none of the line's rows
    }
    if (mend) {
        ::GdiFlush();
        savePixels(surface(), inked, before);
    }
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetTextColor(dc, RGB(color >> 16 & 0xFF, color >> 8 & 0xFF, color & 0xFF));
    // DrawText clips to its box by itself; a clip region is needed only when
    // the painter's clip or the rectangle cuts into that box.
    const bool clipRegion = clip != whole || fromRECT(box) != whole;
    if (clipRegion) {
        ::IntersectClipRect(dc, clip.x, clip.y, clip.right(), clip.bottom());
    }
    if (!drawMeasuredLine(dc, whole, chars, length, flags)) {
        ::DrawTextW(dc, chars, length, &box, format);
    }
    if (clipRegion) {
        ::SelectClipRgn(dc, nullptr);
    }
    if (mend) {
        ::GdiFlush();
        mergeRasterisedText(surface(), inked, before.data(), alphaOf(color));
    }
}

} // namespace fw
