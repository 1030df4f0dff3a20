#pragma once
// The toolkit's painter. It draws onto a pixel surface (32-bit premultiplied
// blue, green, red, alpha, rows top-down): fills, gradients, lines, rounded
// rectangles and images are computed here, in portable code; text goes through
// the platform's font rasteriser on the device context bound to the surface.
// A painter made from a device context alone draws images through the
// platform's imaging library instead.
//
// Coordinates are relative to the current origin; everything is clipped to the
// current clip rectangle. save()/restore() keep both, and the render hints.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "platform/WideString.h"
#include "ui/StyleValue.h"

#include <cstdint>
#include <vector>

namespace fw {

// A platform device context (HDC on Windows).
using NativeDeviceContext = void*;

enum RenderHint : uint32_t {
    RenderHintBlending = 1,      // source over the destination, else a plain copy
    RenderHintSmoothScaling = 2, // interpolated stretching, else nearest neighbour
};

// Alignment flags shared by text and image placement.
enum Alignment : uint32_t {
    AlignLeft = 1,
    AlignRight = 2,
    AlignTop = 4,
    AlignBottom = 8,
    AlignVCenter = 16,
    AlignHCenter = 32,
    AlignCenter = 48,
};

// Text layout flags beyond the alignment bits.
enum TextFlag : uint32_t {
    TextWordWrap = 0x100, // break lines at word boundaries to fit the width
    TextEllipsis = 0x200, // end a line that does not fit with "..."
    TextMnemonic = 0x400, // "&x" underlines x and "&&" draws "&"
};

// A view of 32-bit premultiplied pixels; the painter never owns them.
struct PixelSurface {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;

    bool isNull() const { return pixels == nullptr; }
    uint32_t* row(int32_t y) const {
        return reinterpret_cast<uint32_t*>(pixels + static_cast<intptr_t>(y) * stride);
    }
    // The pixels of a 32-bit image (which the caller keeps premultiplied).
    static PixelSurface of(const Image& image);
};

// Places a box of `size` inside `area` by the alignment flags (centred on an
// axis without a flag for it).
Rect alignedRect(const Rect& area, Size size, uint32_t alignment);

class UIPainter {
public:
    // Draws on a device context only (image draws through the imaging library).
    explicit UIPainter(NativeDeviceContext deviceContext,
                       uint32_t renderHints = RenderHintBlending | RenderHintSmoothScaling);
    // Draws on `surface`; `deviceContext`, when given, has the same pixels
    // selected into it and is used for text.
    UIPainter(PixelSurface surface, NativeDeviceContext deviceContext, int32_t dpi = 96,
              uint32_t renderHints = RenderHintBlending | RenderHintSmoothScaling);
    UIPainter(const UIPainter&) = delete;
    UIPainter& operator=(const UIPainter&) = delete;
    virtual ~UIPainter() = default;

    NativeDeviceContext deviceContext() const { return deviceContext_; }
    const PixelSurface& surface() const { return surface_; }
    uint32_t renderHints() const { return state_.hints; }
    void setRenderHints(uint32_t hints) { state_.hints = hints; }
    // Dots per inch of what is drawn on (text sizes follow it).
    int32_t dpi() const { return dpi_; }

    // State: origin, clip and hints.
    void save();
    void restore();
    void translate(int32_t dx, int32_t dy);
    Point origin() const { return state_.origin; }
    // Intersects the clip with `r` (current coordinates).
    void clipTo(const Rect& r);
    // The clip in current coordinates; empty when nothing can be drawn.
    Rect clipRect() const;

    // Fills blend a straight-alpha colour over what is there (or copy it when
    // blending is off); a colour with alpha 0 under blending draws nothing.
    void fillRect(const Rect& r, Color color);
    // A solid paint, or a top-to-bottom gradient through its colours.
    void fillPaint(const Rect& r, const Paint& paint);
    void fillGradient(const Rect& r, const std::vector<Color>& colors, bool vertical = true);
    // An outline `thickness` pixels wide, inside `r`.
    void drawRect(const Rect& r, Color color, int32_t thickness = 1);
    // A line from `a` to `b`, both ends included; horizontal and vertical lines
    // are `width` pixels thick.
    void drawLine(Point a, Point b, Color color, int32_t width = 1);
    // Anti-aliased corners of radius `radius`.
    void fillRoundedRect(const Rect& r, int32_t radius, Color color);
    void drawRoundedRect(const Rect& r, int32_t radius, Color color, int32_t thickness = 1);

    // Text in `r` aligned by Alignment and TextFlag bits; clipped to `r` and
    // the clip. Single line unless TextWordWrap.
    void drawText(const Rect& r, WideStringView text, const FontSpec& font, Color color,
                  uint32_t flags = AlignLeft | AlignVCenter);

    // Stretches `source` of `image` onto `destination`; a plain copy when both
    // have the same size. Empty rectangles draw nothing.
    virtual void drawImage(const Image& image, const Rect& source, const Rect& destination);
    // Draws (source, width, height) of `image` at `destination` without scaling.
    virtual void copyImage(const Image& image, Point source, Point destination, int32_t width,
                           int32_t height);
    // The whole image at its own size, placed in `area` by `alignment`.
    void drawImageAligned(const Image& image, const Rect& area, uint32_t alignment = AlignCenter);

protected:
    // The one drawing call every image draw ends in.
    virtual void drawImageRect(const Image& image, const Rect& source, const Rect& destination);

private:
    struct State {
        Point origin;
        Rect clip; // surface coordinates
        uint32_t hints = 0;
    };

    // `r` moved to surface coordinates and clipped; empty when nothing shows.
    Rect toSurface(const Rect& r) const;
    void blendSpan(uint32_t* row, int32_t x0, int32_t x1, uint32_t premultiplied);
    // A rounded outline `thickness` wide, or the filled shape for thickness 0.
    void paintRounded(const Rect& r, int32_t radius, Color color, int32_t thickness);
    void drawImageOnSurface(const Image& image, const Rect& source, const Rect& destination);
    void drawImageThroughPlatform(const Image& image, const Rect& source, const Rect& destination);
    // Draws a line from its cached mask; false when it must be drawn directly.
    bool drawTextFromMask(const Rect& whole, const Rect& clip, WideStringView text,
                          const FontSpec& font, Color color, uint32_t flags);
    void drawTextThroughPlatform(const Rect& surfaceRect, const Rect& clip, WideStringView text,
                                 const FontSpec& font, Color color, uint32_t flags);

    NativeDeviceContext deviceContext_ = nullptr;
    PixelSurface surface_;
    int32_t dpi_ = 96;
    State state_;
    std::vector<State> saved_;
};

// Straight-alpha ARGB to premultiplied BGRA as stored on surfaces.
uint32_t premultiplyColor(Color color);

// Mends `area` of `surface` after the platform's text rasteriser, which treats
// pixels as opaque and may clear their alpha, drew into it; `before` holds the
// same pixels as they were, row after row. Every changed pixel keeps its old
// alpha, takes `textAlpha` / 255 of the change, and has its colour held to its
// alpha so that it stays premultiplied.
void mergeRasterisedText(const PixelSurface& surface, const Rect& area, const uint32_t* before,
                         uint8_t textAlpha);

} // namespace fw
