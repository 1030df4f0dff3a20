#include "ui/UIBalloonTip.h"

#include "capture/Screen.h"
#include "ui/TextLayout.h"
#include "ui/Triangle.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kTimeoutTimer = 1;
// Texts wrap at this logical width.
constexpr int32_t kMaximumTextWidth = 320;
constexpr Color kBody = rgb(31, 31, 31);
constexpr Color kBorder = rgb(90, 90, 90);

enum CloseFrame : int32_t { CloseNormal = 0, CloseHovered = 1, ClosePressed = 2 };

bool isVertical(BalloonSide side) {
    return side == BalloonSide::Top || side == BalloonSide::Bottom;
}

BalloonSide opposite(BalloonSide side) {
    switch (side) {
    case BalloonSide::Top:
        return BalloonSide::Bottom;
    case BalloonSide::Bottom:
        return BalloonSide::Top;
    case BalloonSide::Left:
        return BalloonSide::Right;
    case BalloonSide::Right:
        break;
    }
    return BalloonSide::Left;
}

// The room between the anchor and the desktop's edge on the balloon's side
// (the arrow at the bottom puts the balloon above the point).
int32_t roomFor(BalloonSide side, Point anchor, const Rect& desktop) {
    switch (side) {
    case BalloonSide::Bottom:
        return anchor.y - desktop.y;
    case BalloonSide::Top:
        return desktop.bottom() - anchor.y;
    case BalloonSide::Right:
        return anchor.x - desktop.x;
    case BalloonSide::Left:
        break;
    }
    return desktop.right() - anchor.x;
}

Size windowSize(BalloonSide side, Size body, const BalloonArrow& arrow) {
    const int32_t extra = std::max(0, arrow.length - arrow.overlap);
    return isVertical(side) ? Size{body.width, body.height + extra}
                            : Size{body.width + extra, body.height};
}

// How much room is left over (negative: missing) on that side.
int32_t slack(BalloonSide side, Point anchor, Size body, const Rect& desktop,
              const BalloonArrow& arrow) {
    const Size total = windowSize(side, body, arrow);
    const int32_t room = roomFor(side, anchor, desktop);
    if (isVertical(side)) {
        return std::min(room - total.height, desktop.width - total.width);
    }
    return std::min(room - total.width, desktop.height - total.height);
}

int32_t clampInto(int32_t value, int32_t low, int32_t high) {
    return high < low ? low : std::clamp(value, low, high);
}

BalloonSide chooseSide(Point anchor, Size body, const Rect& desktop, const BalloonArrow& arrow,
                       BalloonSide preferred) {
    if (desktop.isEmpty()) {
        return preferred;
    }
    const BalloonSide across1 = isVertical(preferred) ? BalloonSide::Right : BalloonSide::Bottom;
    const BalloonSide order[4] = {preferred, opposite(preferred), across1, opposite(across1)};
    BalloonSide roomiest = preferred;
    int32_t best = slack(preferred, anchor, body, desktop, arrow);
    for (BalloonSide side : order) {
        const int32_t left = slack(side, anchor, body, desktop, arrow);
        if (left >= 0) {
            return side;
        }
        if (left > best) {
            best = left;
            roomiest = side;
        }
    }
    return roomiest;
}

} // namespace

BalloonPlacement placeBalloon(Point anchor, Size body, const Rect& desktop,
                              const BalloonArrow& arrow, BalloonSide preferred) {
    BalloonPlacement p;
    p.side = chooseSide(anchor, body, desktop, arrow, preferred);
    const Size total = windowSize(p.side, body, arrow);
    const int32_t extra = std::max(0, arrow.length - arrow.overlap);
    Point origin;
    if (isVertical(p.side)) {
        origin = Point{anchor.x - total.width / 2,
                       p.side == BalloonSide::Bottom ? anchor.y - total.height : anchor.y};
        p.body = Rect{0, p.side == BalloonSide::Top ? extra : 0, body.width, body.height};
    } else {
        origin = Point{p.side == BalloonSide::Right ? anchor.x - total.width : anchor.x,
                       anchor.y - total.height / 2};
        p.body = Rect{p.side == BalloonSide::Left ? extra : 0, 0, body.width, body.height};
    }
    if (!desktop.isEmpty()) {
        origin.x = clampInto(origin.x, desktop.x, desktop.right() - total.width);
        origin.y = clampInto(origin.y, desktop.y, desktop.bottom() - total.height);
    }
    p.window = Rect{origin.x, origin.y, total.width, total.height};
    // Along its side the arrow goes as near the anchor as the corners allow.
    if (isVertical(p.side)) {
        const int32_t low = p.body.x + arrow.edgeSpacing;
        const int32_t high = p.body.right() - arrow.edgeSpacing - arrow.thickness;
        const int32_t x = high < low
                              ? p.body.x + (body.width - arrow.thickness) / 2
                              : std::clamp(anchor.x - origin.x - arrow.thickness / 2, low, high);
        const int32_t y = p.side == BalloonSide::Top ? 0 : p.body.bottom() - arrow.overlap;
        p.arrow = Rect{x, y, arrow.thickness, arrow.length};
    } else {
        const int32_t low = p.body.y + arrow.edgeSpacing;
        const int32_t high = p.body.bottom() - arrow.edgeSpacing - arrow.thickness;
        const int32_t y = high < low
                              ? p.body.y + (body.height - arrow.thickness) / 2
                              : std::clamp(anchor.y - origin.y - arrow.thickness / 2, low, high);
        const int32_t x = p.side == BalloonSide::Left ? 0 : p.body.right() - arrow.overlap;
        p.arrow = Rect{x, y, arrow.length, arrow.thickness};
    }
    return p;
}

UIBalloonTip::UIBalloonTip() : UIWindow(u"UIBalloonTip") {
    setWindowFlags(WindowPopup | WindowTopmost);
    nativeWindow().setNoActivate(true);
    setLayered(true);
    background_ = Paint::solid(kTransparentColor);
    titleStyle_.font = titleStyle_.font.withFlags(FontBold);
    titleStyle_.foreground = Paint::solid(rgb(255, 255, 255));
    applySkins();
}

void UIBalloonTip::setTitleText(WideString title) {
    titleText_ = std::move(title);
    placeAgain();
}

void UIBalloonTip::setText(WideString text) {
    text_ = std::move(text);
    placeAgain();
}

void UIBalloonTip::setIcon(Image icon) {
    icon_ = ScaledImage(std::move(icon));
    placeAgain();
}

Size UIBalloonTip::closeSize() const {
    Size skin = skinFrameSize(closeSkin_, dpi());
    return skin.width > 0 ? skin : px(Size{14, 14});
}

BalloonArrow UIBalloonTip::arrowMetrics() const {
    return BalloonArrow{px(arrowLength_), px(arrowThickness_), px(arrowBorderSpacing_),
                        std::max(1, px(1))};
}

UIBalloonTip::Parts UIBalloonTip::parts() const {
    const Rect body = placed_ ? placement_.body : Rect{0, 0, bodySize().width, bodySize().height};
    const Margins pad = px(padding_);
    const int32_t spacing = px(horizontalSpacing_);
    const Size close = closeSize();
    const Size icon = icon_.isEmpty() ? Size{} : icon_.sizeAt(dpi());
    const int32_t wrapWidth = px(kMaximumTextWidth);
    const Size title =
        titleText_.empty() ? Size{} : measureText(titleText_, titleStyle_.font, dpi());
    const Size text = text_.empty()
                          ? Size{}
                          : measureText(text_, textStyle_.font, dpi(), TextWordWrap, wrapWidth);
    const bool titleRow = !titleText_.empty() || !icon_.isEmpty();
    const int32_t rowHeight = titleRow ? std::max({title.height, icon.height, close.height}) : 0;

    Parts p;
    const int32_t left = body.x + pad.left;
    const int32_t top = body.y + pad.top;
    const int32_t columnRight = body.right() - pad.right - close.width - spacing;
    p.close =
        Rect{body.right() - pad.right - close.width,
             top + (titleRow ? (rowHeight - close.height) / 2 : 0), close.width, close.height};
    if (titleRow) {
        p.icon = Rect{left, top + (rowHeight - icon.height) / 2, icon.width, icon.height};
        const int32_t titleX = icon.width > 0 ? left + icon.width + spacing / 2 : left;
        p.title = Rect{titleX, top, std::max(0, columnRight - titleX), rowHeight};
    }
    const int32_t textTop =
        titleRow ? top + rowHeight + (text.height > 0 ? px(verticalSpacing_) : 0) : top;
    p.text = Rect{left, textTop, std::max(0, columnRight - left), text.height};
    return p;
}

Size UIBalloonTip::bodySize() const {
    const Margins pad = px(padding_);
    const int32_t spacing = px(horizontalSpacing_);
    const Size close = closeSize();
    const Size icon = icon_.isEmpty() ? Size{} : icon_.sizeAt(dpi());
    const int32_t wrapWidth = px(kMaximumTextWidth);
    Size title = titleText_.empty() ? Size{} : measureText(titleText_, titleStyle_.font, dpi());
    title.width = std::min(title.width, wrapWidth);
    const Size text = text_.empty()
                          ? Size{}
                          : measureText(text_, textStyle_.font, dpi(), TextWordWrap, wrapWidth);
    const bool titleRow = !titleText_.empty() || !icon_.isEmpty();
    const int32_t titleWidth = icon.width + (icon.width > 0 ? spacing / 2 : 0) + title.width;
    const int32_t column = std::max(titleWidth, text.width);
    int32_t height = std::max(text.height, close.height);
    if (titleRow) {
        height = std::max({title.height, icon.height, close.height}) +
                 (text.height > 0 ? px(verticalSpacing_) + text.height : 0);
    }
    return Size{pad.left + column + spacing + close.width + pad.right,
                pad.top + height + pad.bottom};
}

Rect UIBalloonTip::closeButtonRect() const {
    return parts().close;
}

void UIBalloonTip::placeAgain() {
    if (placed_) {
        place(anchor_, desktop_);
    } else {
        invalidateAll();
    }
}

void UIBalloonTip::place(Point anchor, const Rect& desktop) {
    anchor_ = anchor;
    desktop_ = desktop;
    placement_ = placeBalloon(anchor, bodySize(), shrink(desktop, px(desktopPadding_)),
                              arrowMetrics(), preferredSide_);
    placed_ = true;
    setScreenRect(placement_.window);
    invalidateAll();
}

void UIBalloonTip::showAt(Point anchor, UIWindow* owner) {
    setOwnerWindow(owner);
    // The resolution is the native window's, which exists from here on.
    createNative();
    Rect desktop = os::monitorOfPoint(anchor, false);
    if (desktop.isEmpty()) {
        desktop = os::virtualScreenRect();
    }
    place(anchor, desktop);
    showNoActivate();
}

Size UIBalloonTip::sizeHint() const {
    if (placed_) {
        return Size{placement_.window.width, placement_.window.height};
    }
    return bodySize();
}

const Skin* UIBalloonTip::arrowSkin() const {
    return arrowSkins_[static_cast<int32_t>(placement_.side)];
}

void UIBalloonTip::paintBody(UIPainter& painter) {
    const Rect body = placed_ ? placement_.body : rect();
    const Rect arrow = placed_ ? placement_.arrow : Rect{};
    const Pointing pointing[4] = {Pointing::Up, Pointing::Down, Pointing::Left, Pointing::Right};
    const Pointing towards = pointing[static_cast<int32_t>(placement_.side)];
    // The style's skins unless the application chose a colour of its own.
    if (!background_.isVisible() && backgroundSkin_) {
        drawSkin(painter, backgroundSkin_, 0, body);
        drawSkin(painter, borderSkin_, 0, body);
        if (const Skin* skin = arrowSkin()) {
            drawSkin(painter, skin, 0, arrow);
        } else {
            fillTriangle(painter, arrow, towards, kBody);
        }
        return;
    }
    const Color fill = background_.isVisible() ? background_.effectiveColor() : kBody;
    const int32_t radius = px(cornerDiameter_) / 2;
    if (background_.kind == PaintKind::Gradient) {
        painter.fillRoundedRect(body, radius, background_.gradient.back());
        painter.fillPaint(shrink(body, Margins{radius, radius, radius, radius}), background_);
    } else {
        painter.fillRoundedRect(body, radius, fill);
    }
    if (borderSkin_) {
        drawSkin(painter, borderSkin_, 0, body);
    } else {
        painter.drawRoundedRect(body, radius, kBorder, 1);
    }
    fillTriangle(painter, arrow, towards, fill);
    drawTriangleSides(painter, arrow, towards, kBorder);
}

void UIBalloonTip::paintCloseButton(UIPainter& painter, const Rect& r) {
    const int32_t frame = down_ && pressedOnClose_ && closeHot_ ? ClosePressed
                          : closeHot_                           ? CloseHovered
                                                                : CloseNormal;
    if (closeSkin_) {
        drawSkin(painter, closeSkin_, frame, r);
        return;
    }
    if (frame != CloseNormal) {
        painter.fillRoundedRect(r, px(3), frame == ClosePressed ? theme::kDanger : 0x1AFFFFFF);
    }
    const Rect cross = shrink(r, px(Margins{4, 4, 4, 4}));
    const Color color = frame == CloseNormal ? theme::kDimText : rgb(255, 255, 255);
    painter.drawLine({cross.x, cross.y}, {cross.right() - 1, cross.bottom() - 1}, color);
    painter.drawLine({cross.right() - 1, cross.y}, {cross.x, cross.bottom() - 1}, color);
}

void UIBalloonTip::paint(UIPainter& painter) {
    paintBody(painter);
    const Parts p = parts();
    if (!icon_.isEmpty()) {
        painter.drawImageAligned(icon_.at(dpi()), p.icon, AlignCenter);
    }
    const auto shadowOf = [this](const TextStyle& style) {
        return Point{px(style.shadowOffset.x), px(style.shadowOffset.y)};
    };
    TextStyle::draw(painter, p.title, titleText_, titleStyle_.font, titleStyle_.foreground,
                    titleStyle_.shadowForeground, shadowOf(titleStyle_),
                    AlignLeft | AlignVCenter | TextEllipsis);
    TextStyle::draw(painter, p.text, text_, textStyle_.font, textStyle_.foreground,
                    textStyle_.shadowForeground, shadowOf(textStyle_),
                    AlignLeft | AlignTop | TextWordWrap);
    paintCloseButton(painter, p.close);
}

void UIBalloonTip::setProperty(WideStringView name, WideStringView value) {
    constexpr uint32_t kTextProperties =
        TextPropertyFont | TextPropertyForeground | TextPropertyShadow | TextPropertyShadowOffset;
    const WideStringView titlePrefix = u"title";
    int32_t* integer = nullptr;
    Margins* rectangle = nullptr;
    if (name == u"horizontalSpacing") {
        integer = &horizontalSpacing_;
    } else if (name == u"verticalSpacing") {
        integer = &verticalSpacing_;
    } else if (name == u"cornerDiametr") {
        integer = &cornerDiameter_;
    } else if (name == u"arrowLength") {
        integer = &arrowLength_;
    } else if (name == u"arrowThickness") {
        integer = &arrowThickness_;
    } else if (name == u"arrowBorderSpacing") {
        integer = &arrowBorderSpacing_;
    } else if (name == u"padding") {
        rectangle = &padding_;
    } else if (name == u"desktopPadding") {
        rectangle = &desktopPadding_;
    }
    if (integer) {
        *integer = parseStyleInteger(value);
    } else if (rectangle) {
        *rectangle = parseStyleRectangle(value);
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (textStyle_.setProperty(name, value, kTextProperties)) {
    } else if (name.size() > titlePrefix.size() &&
               name.substr(0, titlePrefix.size()) == titlePrefix) {
        // "titleFont" is the title's "font", and so on.
        WideString inner(name.substr(titlePrefix.size()));
        if (inner[0] < u'A' || inner[0] > u'Z') {
            return;
        }
        inner[0] = static_cast<char16_t>(inner[0] - u'A' + u'a');
        if (!titleStyle_.setProperty(inner, value, kTextProperties)) {
            return;
        }
    } else {
        return;
    }
    placeAgain();
}

void UIBalloonTip::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIBalloonTip_Background") {
        backgroundSkin_ = &skin;
    } else if (name == u"UIBalloonTip_BackgroundBorder") {
        borderSkin_ = &skin;
    } else if (name == u"UIBalloonTip_CloseButton") {
        closeSkin_ = &skin;
    } else if (name == u"UIBalloonTip_ArrowTop") {
        arrowSkins_[static_cast<int32_t>(BalloonSide::Top)] = &skin;
    } else if (name == u"UIBalloonTip_ArrowBottom") {
        arrowSkins_[static_cast<int32_t>(BalloonSide::Bottom)] = &skin;
    } else if (name == u"UIBalloonTip_ArrowLeft") {
        arrowSkins_[static_cast<int32_t>(BalloonSide::Left)] = &skin;
    } else if (name == u"UIBalloonTip_ArrowRight") {
        arrowSkins_[static_cast<int32_t>(BalloonSide::Right)] = &skin;
    }
}

void UIBalloonTip::setCloseHot(bool hot) {
    if (hot != closeHot_) {
        closeHot_ = hot;
        invalidateAll();
    }
}

bool UIBalloonTip::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    down_ = true;
    pressedOnClose_ = closeButtonRect().contains(event.position.x, event.position.y);
    setCloseHot(pressedOnClose_);
    invalidateAll();
    return true;
}

bool UIBalloonTip::onMouseMove(const MouseEvent& event) {
    setCloseHot(closeButtonRect().contains(event.position.x, event.position.y));
    return down_;
}

bool UIBalloonTip::onMouseRelease(const MouseEvent& event) {
    if (!down_ || event.button != MouseLeft) {
        return false;
    }
    down_ = false;
    const Point at = event.position;
    const bool onClose = closeButtonRect().contains(at.x, at.y);
    const bool onBalloon = (placed_ ? placement_.body : rect()).contains(at.x, at.y) ||
                           placement_.arrow.contains(at.x, at.y);
    if (pressedOnClose_) {
        if (onClose) {
            close();
        } else {
            invalidateAll();
        }
        return true;
    }
    if (onBalloon) {
        // Closing may destroy the balloon: nothing of it is touched afterwards.
        auto clicked = onClicked;
        close();
        if (clicked) {
            clicked();
        }
    }
    return true;
}

void UIBalloonTip::onMouseEnter() {
    // Whoever reads it keeps it.
    StopTimer(this, kTimeoutTimer);
}

void UIBalloonTip::onMouseLeave() {
    setCloseHot(false);
    if (isShown() && timeoutMs_ > 0) {
        StartTimer(this, kTimeoutTimer, timeoutMs_);
    }
}

void UIBalloonTip::OnTimer(int32_t identifier) {
    if (identifier == kTimeoutTimer) {
        StopTimer(this, kTimeoutTimer);
        close();
    }
}

void UIBalloonTip::onShown(bool shown) {
    StopTimer(this, kTimeoutTimer);
    down_ = pressedOnClose_ = closeHot_ = false;
    if (shown && timeoutMs_ > 0) {
        StartTimer(this, kTimeoutTimer, timeoutMs_);
    }
}

} // namespace fw
