#include "capture/OverlayGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

constexpr int32_t kMagnifierSides[] = {120, 180, 240};

// Virtual-key codes of the keys that move the cursor.
constexpr uint32_t kKeyLeft = 0x25;
constexpr uint32_t kKeyUp = 0x26;
constexpr uint32_t kKeyRight = 0x27;
constexpr uint32_t kKeyDown = 0x28;
constexpr uint32_t kKeyNumpad2 = 0x62;
constexpr uint32_t kKeyNumpad4 = 0x64;
constexpr uint32_t kKeyNumpad6 = 0x66;
constexpr uint32_t kKeyNumpad8 = 0x68;

// Division rounding towards negative infinity.
int32_t floorDivide(int32_t value, int32_t divisor) {
    const int32_t quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

} // namespace

RegionSelection regionSelection(std::optional<Point> anchor, Point cursor) {
    RegionSelection selection;
    if (!anchor) {
        return selection;
    }
    const Point a = *anchor;
    selection.horizontal = a.x <= cursor.x ? HorizontalDirection::Right : HorizontalDirection::Left;
    selection.vertical = a.y <= cursor.y ? VerticalDirection::Down : VerticalDirection::Up;
    selection.rect = Rect{std::min(a.x, cursor.x), std::min(a.y, cursor.y),
                          std::abs(cursor.x - a.x) + 1, std::abs(cursor.y - a.y) + 1};
    return selection;
}

Rect selectionFrame(const RegionSelection& selection) {
    Rect frame = selection.rect;
    if (frame.isEmpty()) {
        return frame;
    }
    if (selection.horizontal == HorizontalDirection::Left) {
        --frame.x;
        ++frame.width;
    }
    if (selection.vertical == VerticalDirection::Up) {
        --frame.y;
        ++frame.height;
    }
    return frame;
}

Point crosshairPoint(const RegionSelection& selection, Point cursor) {
    const int32_t dx = selection.horizontal == HorizontalDirection::Right  ? 1
                       : selection.horizontal == HorizontalDirection::Left ? -1
                                                                           : 0;
    const int32_t dy = selection.vertical == VerticalDirection::Down ? 1
                       : selection.vertical == VerticalDirection::Up ? -1
                                                                     : 0;
    return Point{cursor.x + dx, cursor.y + dy};
}

Rect placeInfoBox(Point cursor, Size box, const Rect& bounds, const InfoBoxSpacing& spacing) {
    Rect r{cursor.x + spacing.offset, cursor.y + spacing.offset, box.width, box.height};
    if (r.right() > bounds.right() - spacing.margin) {
        r.x = cursor.x - box.width - spacing.gap;
    }
    if (r.bottom() > bounds.bottom() - spacing.margin) {
        r.y = cursor.y - box.height - spacing.gap;
    }
    return r;
}

int32_t magnifierSide(int32_t sizeSetting) {
    return kMagnifierSides[std::clamp(sizeSetting, 0, 2)];
}

int32_t zoomFactor(int32_t zoomSetting) {
    return std::clamp(zoomSetting, kMinZoomSetting, kMaxZoomSetting) + kZoomSettingOffset;
}

int32_t zoomAfterWheel(int32_t zoomSetting, int32_t delta, bool vertical) {
    const int32_t step = vertical && delta > 0 ? -1 : 1;
    return std::clamp(zoomSetting + step, kMinZoomSetting, kMaxZoomSetting);
}

int32_t MagnifierGeometry::sourceOffset(int32_t d) const {
    return floorDivide(d - center, zoom);
}

int32_t MagnifierGeometry::firstGridLine() const {
    const int32_t first = ((center % zoom) + zoom) % zoom;
    // A boundary on the square's own edge is not inside it.
    return first == 0 ? zoom : first;
}

Rect MagnifierGeometry::markerRect() const {
    return Rect{center + 1, center + 1, zoom - 1, zoom - 1};
}

MagnifierGeometry magnifierGeometry(int32_t side, int32_t zoom) {
    MagnifierGeometry g;
    g.side = std::max(0, side);
    g.zoom = std::max(1, zoom);
    g.center = (g.side - g.zoom) / 2;
    return g;
}

std::optional<Point> cursorStepForKey(uint32_t key) {
    switch (key) {
    case kKeyLeft:
    case kKeyNumpad4:
        return Point{-1, 0};
    case kKeyUp:
    case kKeyNumpad8:
        return Point{0, -1};
    case kKeyRight:
    case kKeyNumpad6:
        return Point{1, 0};
    case kKeyDown:
    case kKeyNumpad2:
        return Point{0, 1};
    default:
        return std::nullopt;
    }
}

} // namespace fw
