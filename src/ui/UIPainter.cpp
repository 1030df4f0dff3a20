#include "ui/UIPainter.h"

#include "ui/PixelBlend.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

// Far beyond any surface, yet sums of two of them still fit 32 bits.
constexpr int64_t kCoordinateLimit = int64_t(1) << 29;

int32_t clampCoordinate(int64_t value) {
    return static_cast<int32_t>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

// `r` moved by `origin`; absurd coordinates are held in range so that edge
// arithmetic cannot overflow.
Rect offsetRect(const Rect& r, Point origin) {
    int64_t left = int64_t(r.x) + origin.x;
    int64_t top = int64_t(r.y) + origin.y;
    int32_t x = clampCoordinate(left);
    int32_t y = clampCoordinate(top);
    int32_t right = clampCoordinate(left + std::max(r.width, 0));
    int32_t bottom = clampCoordinate(top + std::max(r.height, 0));
    return Rect{x, y, right - x, bottom - y};
}

// A rectangle with round corners of one radius, for coverage sampling.
struct RoundedBox {
    Rect r;
    int32_t radius = 0;

    // How much of pixel (x, y) lies inside, 0..255: full away from the
    // corners, else from the distance of the pixel centre to the corner arc.
    uint32_t coverage(int32_t x, int32_t y) const {
        if (!r.contains(x, y)) {
            return 0;
        }
        const bool left = x < r.x + radius, right = x >= r.right() - radius;
        const bool top = y < r.y + radius, bottom = y >= r.bottom() - radius;
        if (!(left || right) || !(top || bottom)) {
            return 255;
        }
        const int32_t cx = left ? r.x + radius : r.right() - radius;
        const int32_t cy = top ? r.y + radius : r.bottom() - radius;
        // Centres of the arcs sit on pixel corners; pixel centres are at +0.5.
        double dx = x + 0.5 - cx;
        double dy = y + 0.5 - cy;
        double inside = radius - std::sqrt(dx * dx + dy * dy) + 0.5;
        return static_cast<uint32_t>(std::lround(std::clamp(inside, 0.0, 1.0) * 255));
    }
    bool inCornerRows(int32_t y) const { return y < r.y + radius || y >= r.bottom() - radius; }
};

// Premultiplied colour at `position` of `length` steps through `ends`,
// interpolated in premultiplied form so that fades to transparent keep their hue.
uint32_t gradientAt(const std::vector<uint32_t>& ends, int32_t position, int32_t length) {
    if (length < 2) {
        return ends.front();
    }
    int64_t segments = static_cast<int64_t>(ends.size()) - 1;
    int64_t denominator = length - 1;
    int64_t scaled = int64_t(position) * segments;
    int64_t segment = std::min(scaled / denominator, segments - 1);
    int64_t weight = scaled - segment * denominator;
    uint32_t a = ends[static_cast<size_t>(segment)];
    uint32_t b = ends[static_cast<size_t>(segment) + 1];
    uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int64_t ca = (a >> shift) & 0xFF;
        int64_t cb = (b >> shift) & 0xFF;
        int64_t c = (ca * (denominator - weight) + cb * weight + denominator / 2) / denominator;
        result |= static_cast<uint32_t>(c) << shift;
    }
    return result;
}

} // namespace

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
    return pixel::premultiply(color);
}

void mergeRasterisedText(const PixelSurface& surface, const Rect& area, const uint32_t* before,
                         uint8_t textAlpha) {
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        uint32_t* row = surface.row(y);
        for (int32_t x = area.x; x < area.right(); ++x, ++before) {
            const uint32_t old = *before;
            const uint32_t drawn = row[x];
            if (((drawn ^ old) & 0x00FFFFFF) == 0) {
                row[x] = old;
                continue;
            }
            const uint32_t alpha = old >> 24;
            const uint32_t colour =
                (pixel::scale(drawn, textAlpha) + pixel::scale(old, 255 - textAlpha)) & 0x00FFFFFF;
            uint32_t mended = alpha << 24;
            for (int shift = 0; shift < 24; shift += 8) {
                mended |= std::min((colour >> shift) & 0xFF, alpha) << shift;
            }
            row[x] = mended;
        }
    }
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
    state_.origin.x = clampCoordinate(int64_t(state_.origin.x) + dx);
    state_.origin.y = clampCoordinate(int64_t(state_.origin.y) + dy);
}

void UIPainter::clipTo(const Rect& r) {
    state_.clip = intersect(state_.clip, offsetRect(r, state_.origin));
}

Rect UIPainter::clipRect() const {
    return Rect{state_.clip.x - state_.origin.x, state_.clip.y - state_.origin.y, state_.clip.width,
                state_.clip.height};
}

Rect UIPainter::toSurface(const Rect& r) const {
    if (surface_.isNull()) {
        return Rect{};
    }
    return intersect(state_.clip, offsetRect(r, state_.origin));
}

void UIPainter::blendSpan(uint32_t* row, int32_t x0, int32_t x1, uint32_t premultiplied) {
    if (!(state_.hints & RenderHintBlending) || premultiplied >> 24 == 255) {
        std::fill(row + x0, row + x1, premultiplied);
        return;
    }
    if (premultiplied >> 24 == 0) {
        return;
    }
    const uint32_t keep = 255 - (premultiplied >> 24);
    for (int32_t x = x0; x < x1; ++x) {
        row[x] = premultiplied + pixel::scale(row[x], keep);
    }
}

void UIPainter::fillRect(const Rect& r, Color color) {
    Rect area = toSurface(r);
    if (area.isEmpty() || (alphaOf(color) == 0 && (state_.hints & RenderHintBlending))) {
        return;
    }
    const uint32_t premultiplied = premultiplyColor(color);
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        blendSpan(surface_.row(y), area.x, area.right(), premultiplied);
    }
}

void UIPainter::fillPaint(const Rect& r, const Paint& paint) {
    if (paint.kind != PaintKind::Gradient || paint.gradient.size() < 2) {
        fillRect(r, paint.effectiveColor());
        return;
    }
    std::vector<Color> colors = paint.gradient;
    if (paint.opacity < 1.0f) {
        float opacity = std::max(paint.opacity, 0.0f);
        for (Color& c : colors) {
            auto alpha = static_cast<uint32_t>(std::lround(alphaOf(c) * opacity));
            c = alpha << 24 | (c & 0x00FFFFFF);
        }
    }
    fillGradient(r, colors, true);
}

void UIPainter::fillGradient(const Rect& r, const std::vector<Color>& colors, bool vertical) {
    if (colors.size() < 2) {
        if (!colors.empty()) {
            fillRect(r, colors.front());
        }
        return;
    }
    Rect area = toSurface(r);
    if (area.isEmpty()) {
        return;
    }
    // Positions count from the unclipped rectangle, so a clip never moves the ends.
    const Rect whole = offsetRect(r, state_.origin);
    std::vector<uint32_t> ends(colors.size());
    std::transform(colors.begin(), colors.end(), ends.begin(), premultiplyColor);
    if (vertical) {
        for (int32_t y = area.y; y < area.bottom(); ++y) {
            blendSpan(surface_.row(y), area.x, area.right(),
                      gradientAt(ends, y - whole.y, whole.height));
        }
        return;
    }
    std::vector<uint32_t> line(static_cast<size_t>(area.width));
    for (int32_t i = 0; i < area.width; ++i) {
        line[static_cast<size_t>(i)] = gradientAt(ends, area.x + i - whole.x, whole.width);
    }
    const bool blend = (state_.hints & RenderHintBlending) != 0;
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        uint32_t* row = surface_.row(y) + area.x;
        for (int32_t i = 0; i < area.width; ++i) {
            row[i] = blend ? pixel::over(row[i], line[static_cast<size_t>(i)])
                           : line[static_cast<size_t>(i)];
        }
    }
}

void UIPainter::drawRect(const Rect& r, Color color, int32_t thickness) {
    if (r.isEmpty() || thickness < 1) {
        return;
    }
    if (int64_t(thickness) * 2 >= std::min(r.width, r.height)) {
        fillRect(r, color);
        return;
    }
    // Four bands that never overlap, so a translucent outline is even.
    fillRect({r.x, r.y, r.width, thickness}, color);
    fillRect({r.x, r.bottom() - thickness, r.width, thickness}, color);
    fillRect({r.x, r.y + thickness, thickness, r.height - 2 * thickness}, color);
    fillRect({r.right() - thickness, r.y + thickness, thickness, r.height - 2 * thickness}, color);
}

void UIPainter::drawLine(Point a, Point b, Color color, int32_t width) {
    width = std::clamp(width, 1, 1 << 16);
    // The thickness is centred on the line, the odd pixel below or right of it.
    const int32_t before = (width - 1) / 2;
    const int64_t dx = std::abs(int64_t(b.x) - a.x), dy = std::abs(int64_t(b.y) - a.y);
    const Point low{std::min(a.x, b.x), std::min(a.y, b.y)};
    if (dy == 0) {
        fillRect({low.x, a.y - before, clampCoordinate(dx + 1), width}, color);
        return;
    }
    if (dx == 0) {
        fillRect({a.x - before, low.y, width, clampCoordinate(dy + 1)}, color);
        return;
    }
    const Rect bounds{clampCoordinate(int64_t(low.x) - width),
                      clampCoordinate(int64_t(low.y) - width), clampCoordinate(dx + 2 * width),
                      clampCoordinate(dy + 2 * width)};
    if (toSurface(bounds).isEmpty() ||
        (alphaOf(color) == 0 && (state_.hints & RenderHintBlending))) {
        return;
    }
    // Bresenham; each step of the major axis paints one run across the minor
    // axis, so no pixel is blended twice.
    const uint32_t premultiplied = premultiplyColor(color);
    const bool xMajor = dx >= dy;
    const Point origin = state_.origin;
    const int32_t sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int64_t error = dx - dy;
    Point p = a;
    while (true) {
        Rect run = xMajor ? Rect{p.x, p.y - before, 1, width} : Rect{p.x - before, p.y, width, 1};
        Rect area = intersect(state_.clip, offsetRect(run, origin));
        for (int32_t y = area.y; y < area.bottom(); ++y) {
            blendSpan(surface_.row(y), area.x, area.right(), premultiplied);
        }
        if (p == b) {
            return;
        }
        int64_t twice = 2 * error;
        if (twice >= -dy) {
            error -= dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

void UIPainter::fillRoundedRect(const Rect& r, int32_t radius, Color color) {
    paintRounded(r, radius, color, 0);
}

void UIPainter::drawRoundedRect(const Rect& r, int32_t radius, Color color, int32_t thickness) {
    if (thickness >= 1) {
        paintRounded(r, radius, color, thickness);
    }
}

void UIPainter::paintRounded(const Rect& r, int32_t radius, Color color, int32_t thickness) {
    if (r.isEmpty()) {
        return;
    }
    radius = std::min(radius, std::min(r.width, r.height) / 2);
    const bool fill = thickness == 0 || int64_t(thickness) * 2 >= std::min(r.width, r.height);
    if (radius <= 0) {
        fill ? fillRect(r, color) : drawRect(r, color, thickness);
        return;
    }
    Rect area = toSurface(r);
    const bool blend = (state_.hints & RenderHintBlending) != 0;
    if (area.isEmpty() || (alphaOf(color) == 0 && blend)) {
        return;
    }
    const uint32_t premultiplied = premultiplyColor(color);
    const RoundedBox outer{offsetRect(r, state_.origin), radius};
    RoundedBox inner;
    if (!fill) {
        inner.r = {outer.r.x + thickness, outer.r.y + thickness, outer.r.width - 2 * thickness,
                   outer.r.height - 2 * thickness};
        inner.radius = std::max(radius - thickness, 0);
    }
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        uint32_t* row = surface_.row(y);
        const bool innerRow = !fill && y >= inner.r.y && y < inner.r.bottom();
        if (!outer.inCornerRows(y) && !(innerRow && inner.inCornerRows(y))) {
            if (!innerRow) {
                blendSpan(row, area.x, area.right(), premultiplied);
            } else {
                blendSpan(row, area.x, std::clamp(inner.r.x, area.x, area.right()), premultiplied);
                blendSpan(row, std::clamp(inner.r.right(), area.x, area.right()), area.right(),
                          premultiplied);
            }
            continue;
        }
        for (int32_t x = area.x; x < area.right(); ++x) {
            int32_t coverage = int32_t(outer.coverage(x, y)) - int32_t(inner.coverage(x, y));
            if (coverage > 0) {
                row[x] = pixel::covered(row[x], premultiplied, uint32_t(coverage), blend);
            }
        }
    }
}

void UIPainter::drawText(const Rect& r, WideStringView text, const FontSpec& font, Color color,
                         uint32_t flags) {
    if (text.empty() || alphaOf(color) == 0 || r.isEmpty()) {
        return;
    }
    const Rect whole = offsetRect(r, state_.origin);
    const Rect clip = intersect(state_.clip, whole);
    if (clip.isEmpty()) {
        return;
    }
    drawTextThroughPlatform(whole, clip, text, font, color, flags);
}

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
    if (surface_.isNull()) {
        Rect moved{destination.x + state_.origin.x, destination.y + state_.origin.y,
                   destination.width, destination.height};
        drawImageThroughPlatform(image, source, moved);
    } else {
        drawImageOnSurface(image, source, offsetRect(destination, state_.origin));
    }
}

} // namespace fw
