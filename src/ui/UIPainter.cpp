#include "ui/UIPainter.h"

namespace fw {

// Stand-in until the raster operations land: only image draws work.

PixelSurface PixelSurface::of(const Image& image) {
    if (image.isEmpty() || !image.hasAlpha()) {
        return PixelSurface{};
    }
    return PixelSurface{image.pixels(), image.width(), image.height(), image.stride()};
}

Rect alignedRect(const Rect& area, Size size, uint32_t alignment) {
    int32_t x = area.x + (area.width - size.width) / 2;
    int32_t y = area.y + (area.height - size.height) / 2;
    if (alignment & AlignLeft) {
        x = area.x;
    } else if (alignment & AlignRight) {
        x = area.right() - size.width;
    }
    if (alignment & AlignTop) {
        y = area.y;
    } else if (alignment & AlignBottom) {
        y = area.bottom() - size.height;
    }
    return Rect{x, y, size.width, size.height};
}

uint32_t premultiplyColor(Color color) {
    uint32_t a = color >> 24;
    uint32_t r = (color >> 16 & 0xFF) * a / 255;
    uint32_t g = (color >> 8 & 0xFF) * a / 255;
    uint32_t b = (color & 0xFF) * a / 255;
    return a << 24 | r << 16 | g << 8 | b;
}

UIPainter::UIPainter(NativeDeviceContext deviceContext, uint32_t renderHints)
    : deviceContext_(deviceContext) {
    state_.hints = renderHints;
    state_.clip = Rect{-(1 << 28), -(1 << 28), 1 << 29, 1 << 29};
}

UIPainter::UIPainter(PixelSurface surface, NativeDeviceContext deviceContext, int32_t dpi,
                     uint32_t renderHints)
    : deviceContext_(deviceContext), surface_(surface), dpi_(dpi) {
    state_.hints = renderHints;
    state_.clip = Rect{0, 0, surface.width, surface.height};
}

void UIPainter::save() {
    saved_.push_back(state_);
}

void UIPainter::restore() {
    if (!saved_.empty()) {
        state_ = saved_.back();
        saved_.pop_back();
    }
}

void UIPainter::translate(int32_t dx, int32_t dy) {
    state_.origin.x += dx;
    state_.origin.y += dy;
}

void UIPainter::clipTo(const Rect& r) {
    state_.clip =
        intersect(state_.clip, {r.x + state_.origin.x, r.y + state_.origin.y, r.width, r.height});
}

Rect UIPainter::clipRect() const {
    return Rect{state_.clip.x - state_.origin.x, state_.clip.y - state_.origin.y, state_.clip.width,
                state_.clip.height};
}

Rect UIPainter::toSurface(const Rect& r) const {
    return intersect(state_.clip,
                     {r.x + state_.origin.x, r.y + state_.origin.y, r.width, r.height});
}

void UIPainter::fillRect(const Rect&, Color) {}
void UIPainter::fillPaint(const Rect&, const Paint&) {}
void UIPainter::fillGradient(const Rect&, const std::vector<Color>&, bool) {}
void UIPainter::drawRect(const Rect&, Color, int32_t) {}
void UIPainter::drawLine(Point, Point, Color, int32_t) {}
void UIPainter::fillRoundedRect(const Rect&, int32_t, Color) {}
void UIPainter::drawRoundedRect(const Rect&, int32_t, Color, int32_t) {}
void UIPainter::drawText(const Rect&, WideStringView, const FontSpec&, Color, uint32_t) {}
void UIPainter::blendSpan(uint32_t*, int32_t, int32_t, uint32_t) {}
void UIPainter::drawImageOnSurface(const Image&, const Rect&, const Rect&) {}

void UIPainter::drawImage(const Image& image, const Rect& source, const Rect& destination) {
    if (source.isEmpty() || destination.isEmpty()) {
        return;
    }
    if (source.width == destination.width && source.height == destination.height) {
        copyImage(image, {source.x, source.y}, {destination.x, destination.y}, source.width,
                  source.height);
        return;
    }
    drawImageRect(image, source, destination);
}

void UIPainter::copyImage(const Image& image, Point source, Point destination, int32_t width,
                          int32_t height) {
    if (width < 1 || height < 1) {
        return;
    }
    drawImageRect(image, {source.x, source.y, width, height},
                  {destination.x, destination.y, width, height});
}

void UIPainter::drawImageAligned(const Image& image, const Rect& area, uint32_t alignment) {
    Rect at = alignedRect(area, {image.width(), image.height()}, alignment);
    copyImage(image, {0, 0}, {at.x, at.y}, image.width(), image.height());
}

void UIPainter::drawImageRect(const Image& image, const Rect& source, const Rect& destination) {
    Rect moved{destination.x + state_.origin.x, destination.y + state_.origin.y, destination.width,
               destination.height};
    if (surface_.isNull()) {
        drawImageThroughPlatform(image, source, moved);
    } else {
        drawImageOnSurface(image, source, moved);
    }
}

} // namespace fw
