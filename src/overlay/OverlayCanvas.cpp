#include "overlay/OverlayCanvas.h"

#include "capture/RectList.h"

#include <cstring>
#include <vector>

namespace fw {

namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;

uint32_t readPixel(const Image& image, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) {
        return kOpaqueBlack;
    }
    const uint8_t* p = image.pixel(x, y);
    // Uncovered parts of the screen are transparent black: shown as black.
    return kOpaqueBlack | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// An opaque pixel under a colour of alpha `a` (straight alpha).
uint32_t blendOver(uint32_t pixel, Color color) {
    const uint32_t a = alphaOf(color);
    uint32_t out = kOpaqueBlack;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t top = (color >> shift) & 0xFF;
        const uint32_t below = (pixel >> shift) & 0xFF;
        out |= ((top * a + below * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

} // namespace

OverlayCanvas::OverlayCanvas(UIPainter& painter) : painter_(painter), surface_(painter.surface()) {}

Rect OverlayCanvas::onSurface(const Rect& r) const {
    const Point origin = painter_.origin();
    const Rect clip = painter_.clipRect();
    const Rect visible = intersect(r, clip);
    if (visible.isEmpty()) {
        return Rect{};
    }
    return intersect(
        Rect{visible.x + origin.x, visible.y + origin.y, visible.width, visible.height},
        Rect{0, 0, surface_.width, surface_.height});
}

void OverlayCanvas::copyFrom(const Image& image, const Rect& area) {
    if (image.isEmpty() || !image.hasAlpha()) {
        return;
    }
    const Rect inImage = intersect(area, Rect{0, 0, image.width(), image.height()});
    if (surface_.isNull()) {
        painter_.drawImage(image, inImage, inImage);
        return;
    }
    const Rect target = onSurface(inImage);
    if (target.isEmpty()) {
        return;
    }
    const Point origin = painter_.origin();
    const size_t bytes = static_cast<size_t>(target.width) * 4;
    for (int32_t y = target.y; y < target.bottom(); ++y) {
        std::memcpy(surface_.row(y) + target.x, image.pixel(target.x - origin.x, y - origin.y),
                    bytes);
    }
}

void OverlayCanvas::fill(const Rect& area, Color color) {
    if (surface_.isNull()) {
        painter_.fillRect(area, color);
        return;
    }
    const Rect target = onSurface(area);
    for (int32_t y = target.y; y < target.bottom(); ++y) {
        uint32_t* row = surface_.row(y);
        std::fill(row + target.x, row + target.right(), color | kOpaqueBlack);
    }
}

void OverlayCanvas::outline(const Rect& r, int32_t thickness, Color color) {
    if (r.isEmpty() || thickness < 1) {
        return;
    }
    for (const Rect& band : ring(r, inflate(r, -thickness))) {
        fill(band, color);
    }
}

void OverlayCanvas::magnifier(const Image& source, Point center, const Rect& square,
                              const MagnifierGeometry& g, const MagnifierLook& look) {
    if (surface_.isNull() || square.isEmpty()) {
        return;
    }
    const Rect target = onSurface(square);
    if (target.isEmpty()) {
        return;
    }
    // Square offsets of the visible part, and what each column shows.
    const Point origin = painter_.origin();
    const int32_t left = target.x - origin.x - square.x;
    const int32_t top = target.y - origin.y - square.y;
    const int32_t first = g.firstGridLine();
    auto onGrid = [&](int32_t d) { return d > 0 && d < g.side && (d - first) % g.zoom == 0; };
    std::vector<int32_t> columns(static_cast<size_t>(target.width));
    std::vector<uint8_t> gridColumn(columns.size());
    for (int32_t i = 0; i < target.width; ++i) {
        columns[i] = center.x + g.sourceOffset(left + i);
        gridColumn[i] = onGrid(left + i) ? 1 : 0;
    }
    const Rect marker = g.markerRect();
    const uint32_t grid = look.grid | kOpaqueBlack;
    for (int32_t j = 0; j < target.height; ++j) {
        const int32_t dy = top + j;
        uint32_t* out = surface_.row(target.y + j) + target.x;
        if (onGrid(dy)) {
            std::fill(out, out + target.width, grid);
            continue;
        }
        const int32_t sourceY = center.y + g.sourceOffset(dy);
        const bool markerRow = dy >= marker.y && dy < marker.bottom();
        for (int32_t i = 0; i < target.width; ++i) {
            const int32_t dx = left + i;
            if (gridColumn[i]) {
                out[i] = grid;
            } else if (markerRow && dx >= marker.x && dx < marker.right()) {
                out[i] = blendOver(readPixel(source, columns[i], sourceY), look.marker);
            } else {
                out[i] = readPixel(source, columns[i], sourceY);
            }
        }
    }
}

} // namespace fw
