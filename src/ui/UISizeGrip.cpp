#include "ui/UISizeGrip.h"

#include "resources/CursorSet.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

UISizeGrip::UISizeGrip() : UIWidget(u"UISizeGrip") {
    setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
}

Size UISizeGrip::draggedSize(Size startSize, Point start, Point now, Size minimum, Size maximum) {
    return Size{std::clamp(startSize.width + now.x - start.x, minimum.width,
                           std::max(minimum.width, maximum.width)),
                std::clamp(startSize.height + now.y - start.y, minimum.height,
                           std::max(minimum.height, maximum.height))};
}

bool UISizeGrip::isActive() const {
    UIWindow* w = window();
    return w && isEnabled() && !w->nativeWindow().isMaximized();
}

Size UISizeGrip::sizeHint() const {
    if (size_.width > 0 && size_.height > 0) {
        return px(size_);
    }
    Size skin = skinFrameSize(skin_, dpi());
    return skin.width > 0 ? skin : px(Size{12, 12});
}

void UISizeGrip::paint(UIPainter& painter) {
    if (!isActive()) {
        return;
    }
    // The dots sit in the corner whatever room the layout gives.
    Size size = sizeHint();
    Rect at{width() - size.width, height() - size.height, size.width, size.height};
    if (skin_) {
        drawSkin(painter, skin_, 0, at);
        return;
    }
    const int32_t dot = std::max(1, px(2));
    const int32_t step = px(4);
    for (int32_t row = 0; row < 3; ++row) {
        for (int32_t column = 2 - row; column < 3; ++column) {
            painter.fillRect(
                Rect{at.x + px(1) + column * step, at.y + px(1) + row * step, dot, dot},
                theme::kDimText);
        }
    }
}

void UISizeGrip::setProperty(WideStringView name, WideStringView value) {
    if (name == u"size") {
        size_ = parseStyleSize(value);
        updateGeometry();
        update();
    }
}

void UISizeGrip::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UISizeGrip_Background") {
        skin_ = &skin;
        updateGeometry();
    }
}

int32_t UISizeGrip::cursorAt(Point) const {
    return isActive() ? CursorSizeNorthWestSouthEast : CursorArrow;
}

bool UISizeGrip::onMousePress(const MouseEvent& event) {
    UIWindow* w = window();
    if (event.button != MouseLeft || !isActive()) {
        return false;
    }
    const Rect client = w->screenRect();
    dragging_ = true;
    dragStart_ = event.windowPosition;
    startSize_ = Size{client.width, client.height};
    return true;
}

bool UISizeGrip::onMouseMove(const MouseEvent& event) {
    if (!dragging_) {
        return false;
    }
    UIWindow* w = window();
    // The top-left corner stays put, so window coordinates stay valid as it grows.
    Size size = draggedSize(startSize_, dragStart_, event.windowPosition, w->effectiveMinimumSize(),
                            w->maximumSize());
    const Rect client = w->screenRect();
    if (size != Size{client.width, client.height}) {
        w->setScreenRect(Rect{client.x, client.y, size.width, size.height});
    }
    return true;
}

bool UISizeGrip::onMouseRelease(const MouseEvent& event) {
    if (!dragging_ || event.button != MouseLeft) {
        return false;
    }
    onMouseMove(event);
    dragging_ = false;
    return true;
}

void UISizeGrip::onCaptureLost() {
    dragging_ = false;
}

} // namespace fw
