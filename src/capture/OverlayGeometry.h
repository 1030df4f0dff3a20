#pragma once
// Geometry of the selection overlay, in overlay coordinates (the frozen
// screen's pixels, origin at the virtual screen's top-left): the region dragged
// out from an anchor to the cursor, the cross-hair, where the info box goes,
// and the magnifier's squares and grid. No drawing here.
#include "platform/Rect.h"

#include <cstdint>
#include <optional>

namespace fw {

// Which way the cursor lies from the anchor; the values are the ones the
// region's frame and cross-hair rules are written in.
enum class HorizontalDirection : int32_t { Unset = 0, Right = 1, Left = 2 };
enum class VerticalDirection : int32_t { Unset = 0, Down = 3, Up = 4 };

struct RegionSelection {
    Rect rect; // empty until a drag starts
    HorizontalDirection horizontal = HorizontalDirection::Unset;
    VerticalDirection vertical = VerticalDirection::Unset;
    bool operator==(const RegionSelection&) const = default;
};

// The rectangle spanned by the anchor pixel and the cursor pixel, both inside
// it: a click without movement selects one pixel. Without an anchor it is empty
// and both directions are unset.
RegionSelection regionSelection(std::optional<Point> anchor, Point cursor);

// The selection's 1-pixel outline: on the selection, one pixel further left
// when the cursor is left of the anchor and one further up when it is above.
Rect selectionFrame(const RegionSelection& selection);

// Where the vertical (x) and horizontal (y) cross-hair lines run: just outside
// the selection's moving corner, through the cursor before a drag.
Point crosshairPoint(const RegionSelection& selection, Point cursor);

// Beside the cursor at `offset` down and right; flipped to the other side of
// the cursor (`gap` away) on each axis where it would come closer than
// `margin` to the right or bottom edge of `bounds`.
struct InfoBoxSpacing {
    int32_t offset = 20;
    int32_t gap = 5;
    int32_t margin = 20;
};
Rect placeInfoBox(Point cursor, Size box, const Rect& bounds, const InfoBoxSpacing& spacing);

// The magnifier settings: a size index into 120, 180, 240 pixels and a zoom
// setting 0..30 that shows each pixel as a (setting + 6)-pixel square.
constexpr int32_t kMinZoomSetting = 0;
constexpr int32_t kMaxZoomSetting = 30;
constexpr int32_t kZoomSettingOffset = 6;
int32_t magnifierSide(int32_t sizeSetting);
int32_t zoomFactor(int32_t zoomSetting);
// The zoom setting after one wheel event: rolling the vertical wheel forward
// (positive delta) lowers it, every other wheel event raises it; kept in range.
int32_t zoomAfterWheel(int32_t zoomSetting, int32_t delta, bool vertical);

// The magnified square of side `side` in which every source pixel is a block
// of `zoom` x `zoom`; the block of the cursor's pixel lies in the middle.
struct MagnifierGeometry {
    int32_t side = 0;
    int32_t zoom = 1;
    // Offset of the cursor block's top-left corner in the square, on both axes.
    int32_t center = 0;

    // The source pixel shown at offset `d` of the square, relative to the
    // cursor's pixel, on one axis.
    int32_t sourceOffset(int32_t d) const;
    // The first block boundary inside the square; the others follow every `zoom`.
    int32_t firstGridLine() const;
    // The marked block less its grid line: one pixel inside its top-left corner.
    Rect markerRect() const;
};
MagnifierGeometry magnifierGeometry(int32_t side, int32_t zoom);

// The cursor step of a key in region mode (arrows and the numeric keypad's
// 4, 8, 6, 2); nothing for any other key.
std::optional<Point> cursorStepForKey(uint32_t key);

} // namespace fw
