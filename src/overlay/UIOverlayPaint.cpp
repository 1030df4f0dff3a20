// Painting of the overlay: the dimmed screen, then the selection or the
// highlight, then the info box. Everything is clipped to the area being
// repainted, which is usually a few thin bands and the info box.
#include "overlay/OverlayCanvas.h"
#include "overlay/UIOverlay.h"

#include "capture/RectList.h"
#include "ui/ScaledArt.h"

namespace fw {

namespace {

WideString sizeText(Size size) {
    return toWide(size.width) + u" x " + toWide(size.height);
}

FontSpec infoFont() {
    return defaultFont().withSize(11.0f);
}

bool touches(const Rect& r, const UIPainter& painter) {
    return !intersect(r, painter.clipRect()).isEmpty();
}

} // namespace

void UIOverlay::paint(UIPainter& painter) {
    OverlayCanvas canvas(painter);
    if (!open_) {
        canvas.fill(rect(), rgb(0, 0, 0));
        return;
    }
    canvas.copyFrom(session_.dimmed, painter.clipRect());
    if (session_.mode == OverlayMode::Region) {
        paintRegion(painter);
    } else {
        paintWindow(painter);
    }
}

void UIOverlay::paintRegion(UIPainter& painter) {
    OverlayCanvas canvas(painter);
    const RegionScene& s = region_;
    if (!s.selection.rect.isEmpty()) {
        canvas.copyFrom(session_.frozen, s.selection.rect);
        canvas.outline(s.frame, 1, kSelectionColor);
    }
    canvas.fill(Rect{s.crosshair.x, 0, 1, height()}, kSelectionColor);
    canvas.fill(Rect{0, s.crosshair.y, width(), 1}, kSelectionColor);
    if (!touches(s.infoBox, painter)) {
        return;
    }
    drawSkin(painter, infoBackground_, 0, s.infoBox);
    painter.drawText(s.sizeStrip, sizeText(Size{s.selection.rect.width, s.selection.rect.height}),
                     infoFont(), kSelectionColor, AlignCenter);
    canvas.magnifier(session_.frozen, s.cursor, s.magnifier,
                     magnifierGeometry(s.magnifier.width, s.zoom),
                     OverlayCanvas::MagnifierLook{kGridColor, kMarkerColor});
    drawSkin(painter, infoTopLayer_, 0, s.magnifier);
}

void UIOverlay::paintWindow(UIPainter& painter) {
    OverlayCanvas canvas(painter);
    const WindowScene& s = window_;
    if (!s.highlight.isEmpty() && touches(s.frame, painter)) {
        canvas.copyFrom(session_.frozen, s.highlight);
        drawSkin(painter, selectionFrame_, 0, s.frame);
        const int32_t width = metrics_.outlineWidth;
        canvas.outline(inflate(s.highlight, width), width, kSelectionColor);
    }
    if (!s.picked || !touches(s.infoBox, painter)) {
        return;
    }
    drawSkin(painter, infoBackground_, 0, s.infoBox);
    if (!s.iconRect.isEmpty()) {
        const Image& icon = icon_.at(dpi());
        painter.drawImage(icon, Rect{0, 0, icon.width(), icon.height()}, s.iconRect);
    }
    painter.drawText(s.textRect, sizeText(s.captured), infoFont(), kSelectionColor, AlignCenter);
}

} // namespace fw
