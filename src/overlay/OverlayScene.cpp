#include "overlay/OverlayScene.h"

#include "capture/RectList.h"

#include <algorithm>
#include <cmath>

namespace fw {

namespace {

int32_t scaled(int32_t logical, int32_t dpi) {
    return dpi == 96 || dpi <= 0
               ? logical
               : static_cast<int32_t>(std::lround(static_cast<double>(logical) * dpi / 96.0));
}

// The 1-pixel outline of `r` as four bands.
std::vector<Rect> outline(const Rect& r) {
    return r.isEmpty() ? std::vector<Rect>{} : ring(r, inflate(r, -1));
}

bool sameInfoBox(const RegionScene& a, const RegionScene& b) {
    return a.infoBox == b.infoBox && a.cursor == b.cursor && a.zoom == b.zoom &&
           a.selection.rect.width == b.selection.rect.width &&
           a.selection.rect.height == b.selection.rect.height;
}

} // namespace

OverlayMetrics overlayMetrics(int32_t dpi, int32_t magnifierSizeSetting, int32_t zoomSetting) {
    OverlayMetrics m;
    auto px = [dpi](int32_t logical) { return scaled(logical, dpi); };
    m.spacing = InfoBoxSpacing{px(20), px(5), px(20)};
    m.magnifierSide = px(magnifierSide(magnifierSizeSetting));
    m.zoom = std::max(1, px(zoomFactor(zoomSetting)));
    m.sizeStripHeight = px(m.sizeStripHeight);
    m.shadow = px(m.shadow);
    m.iconSide = px(m.iconSide);
    m.narrowBoxWidth = px(m.narrowBoxWidth);
    m.iconBoxExtraWidth = px(m.iconBoxExtraWidth);
    m.minContentHeight = px(m.minContentHeight);
    m.iconExtraHeight = px(m.iconExtraHeight);
    m.iconInset = Point{px(m.iconInset.x), px(m.iconInset.y)};
    m.iconTextGap = px(m.iconTextGap);
    m.frameOutset = px(m.frameOutset);
    m.outlineWidth = std::max(1, px(m.outlineWidth));
    return m;
}

RegionScene regionScene(std::optional<Point> anchor, Point cursor, const Rect& bounds,
                        const OverlayMetrics& m) {
    RegionScene scene;
    scene.cursor = cursor;
    scene.selection = regionSelection(anchor, cursor);
    scene.frame = selectionFrame(scene.selection);
    scene.crosshair = crosshairPoint(scene.selection, cursor);
    const int32_t side = m.magnifierSide;
    const Size box{side + m.shadow, side + m.sizeStripHeight + m.shadow};
    scene.infoBox = placeInfoBox(cursor, box, bounds, m.spacing);
    scene.sizeStrip = Rect{scene.infoBox.x, scene.infoBox.y, side, m.sizeStripHeight};
    scene.magnifier = Rect{scene.infoBox.x, scene.infoBox.y + m.sizeStripHeight, side, side};
    scene.zoom = m.zoom;
    return scene;
}

WindowScene windowScene(const Rect& highlight, bool picked, Size captured, Size iconSize,
                        const void* icon, Point cursor, const Rect& bounds,
                        const OverlayMetrics& m) {
    WindowScene scene;
    scene.cursor = cursor;
    if (!highlight.isEmpty()) {
        scene.highlight = highlight;
        scene.frame = inflate(highlight, m.frameOutset);
    }
    scene.picked = picked;
    if (!picked) {
        return scene;
    }
    scene.captured = captured;
    scene.icon = icon;
    const bool hasIcon = icon != nullptr && iconSize.width > 0 && iconSize.height > 0;
    const Size shown = hasIcon ? iconSize : Size{};
    const int32_t width = hasIcon ? shown.width + m.iconBoxExtraWidth : m.narrowBoxWidth;
    const int32_t content = std::max(m.minContentHeight, shown.height + m.iconExtraHeight);
    scene.infoBox = placeInfoBox(cursor, Size{width, content + m.shadow}, bounds, m.spacing);
    const Rect area{scene.infoBox.x, scene.infoBox.y, width - m.shadow, content};
    if (hasIcon) {
        scene.iconRect =
            Rect{area.x + m.iconInset.x, area.y + m.iconInset.y, shown.width, shown.height};
    }
    const int32_t textLeft = shown.width + m.iconTextGap;
    scene.textRect = Rect{area.x + textLeft, area.y, area.width - textLeft, area.height};
    return scene;
}

std::vector<Rect> regionChanges(const RegionScene& before, const RegionScene& after, Size overlay) {
    std::vector<Rect> changed;
    if (before.selection.rect != after.selection.rect || before.frame != after.frame) {
        appendRects(changed, symmetricDifference(before.selection.rect, after.selection.rect));
        // Where both frames run the line stays as it was.
        const std::vector<Rect> was = outline(before.frame);
        const std::vector<Rect> is = outline(after.frame);
        appendRects(changed, difference(was, is));
        appendRects(changed, difference(is, was));
    }
    if (before.crosshair.x != after.crosshair.x) {
        appendRects(changed, {Rect{before.crosshair.x, 0, 1, overlay.height},
                              Rect{after.crosshair.x, 0, 1, overlay.height}});
    }
    if (before.crosshair.y != after.crosshair.y) {
        appendRects(changed, {Rect{0, before.crosshair.y, overlay.width, 1},
                              Rect{0, after.crosshair.y, overlay.width, 1}});
    }
    if (!sameInfoBox(before, after)) {
        appendRects(changed, {before.infoBox, after.infoBox});
    }
    return changed;
}

std::vector<Rect> windowChanges(const WindowScene& before, const WindowScene& after) {
    std::vector<Rect> changed;
    if (before.highlight != after.highlight) {
        appendRects(changed, symmetricDifference(before.highlight, after.highlight));
        appendRects(changed, ring(before.frame, before.highlight));
        appendRects(changed, ring(after.frame, after.highlight));
    }
    if (before.infoBox != after.infoBox || before.captured != after.captured ||
        before.icon != after.icon || before.picked != after.picked) {
        appendRects(changed, {before.infoBox, after.infoBox});
    }
    return changed;
}

} // namespace fw
