#pragma once
// What the overlay shows, worked out from its state: where the selection, its
// frame, the cross-hair, the highlight and the info box with its size text,
// icon and magnifier lie, in overlay coordinates and physical pixels. Two
// scenes tell which parts of the overlay must be painted again.
#include "capture/OverlayGeometry.h"
#include "platform/Rect.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace fw {

// The overlay's lengths at a resolution: logical (96 DPI) lengths scaled.
struct OverlayMetrics {
    InfoBoxSpacing spacing;
    // Region mode: the magnifier and the info box around it.
    int32_t magnifierSide = 180;
    int32_t zoom = 16;
    int32_t sizeStripHeight = 28;
    int32_t shadow = 15; // the info box's right and bottom band is its shadow
    // Window mode.
    int32_t iconSide = 32;
    int32_t narrowBoxWidth = 105;
    int32_t iconBoxExtraWidth = 113;
    int32_t minContentHeight = 28;
    int32_t iconExtraHeight = 11;
    Point iconInset{8, 6};
    int32_t iconTextGap = 8;
    int32_t frameOutset = 20;
    int32_t outlineWidth = 2;
};
OverlayMetrics overlayMetrics(int32_t dpi, int32_t magnifierSizeSetting, int32_t zoomSetting);

struct RegionScene {
    Point cursor;
    RegionSelection selection;
    Rect frame;
    Point crosshair;
    Rect infoBox;
    Rect sizeStrip;
    Rect magnifier;
    int32_t zoom = 0;
    bool operator==(const RegionScene&) const = default;
};

// `bounds` is the area the info box keeps to (the monitor under the cursor).
RegionScene regionScene(std::optional<Point> anchor, Point cursor, const Rect& bounds,
                        const OverlayMetrics& metrics);

struct WindowScene {
    Point cursor;
    Rect highlight; // empty when nothing is highlighted
    Rect frame;     // the highlight with its frame around it
    bool picked = false;
    Size captured; // the size the info box reports
    Rect infoBox;  // empty when nothing is picked
    Rect iconRect;
    Rect textRect;
    const void* icon = nullptr; // which icon is shown
    bool operator==(const WindowScene&) const = default;
};

WindowScene windowScene(const Rect& highlight, bool picked, Size captured, Size iconSize,
                        const void* icon, Point cursor, const Rect& bounds,
                        const OverlayMetrics& metrics);

// The overlay areas that look different in `after` than in `before`.
std::vector<Rect> regionChanges(const RegionScene& before, const RegionScene& after, Size overlay);
std::vector<Rect> windowChanges(const WindowScene& before, const WindowScene& after);

} // namespace fw
