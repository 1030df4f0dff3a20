#include "ui/UILink.h"

#include "platform/Shell.h"
#include "resources/CursorSet.h"
#include "ui/TextLayout.h"

#include <algorithm>

namespace fw {

namespace {

constexpr Color kHoveredLink = rgb(128, 196, 250);

std::function<bool(WideStringView)>& addressOpener() {
    static std::function<bool(WideStringView)> opener = os::openWebAddress;
    return opener;
}

} // namespace

UILink::UILink(WideString text, WideString address)
    : UIWidget(u"UILink"), text_(std::move(text)), address_(std::move(address)) {
    setFocusPolicy(FocusPolicy::Strong);
    style_.foreground = Paint::solid(theme::kAccent);
    hoveredForeground_ = Paint::solid(kHoveredLink);
    underlinedFont_ = style_.font.withFlags(FontUnderline);
}

void UILink::setAddressOpener(std::function<bool(WideStringView)> opener) {
    addressOpener() = opener ? std::move(opener) : os::openWebAddress;
}

void UILink::setText(WideString text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UILink::setAddress(WideString address) {
    address_ = std::move(address);
}

void UILink::setAlignment(uint32_t alignment) {
    alignment_ = alignment;
    update();
}

void UILink::activate() {
    if (!isEnabled()) {
        return;
    }
    if (onClicked) {
        // The handler may close the window that holds this link.
        auto clicked = onClicked;
        clicked();
        return;
    }
    if (!address_.empty()) {
        auto open = addressOpener();
        open(address_);
    }
}

UILink::Look UILink::currentLook() const {
    Look look{style_.font, style_.foreground, style_.shadowForeground, style_.shadowOffset};
    if (!isEnabled()) {
        look.foreground = style_.disabledForeground;
        look.shadow = style_.disabledShadowForeground;
    } else if (isHot()) {
        look.font = hoveredFont_ ? *hoveredFont_ : underlinedFont_;
        look.foreground = hoveredForeground_;
        if (hoveredShadowForeground_) {
            look.shadow = *hoveredShadowForeground_;
        }
    }
    return look;
}

Size UILink::textSize() const {
    Size normal = measureText(text_, style_.font, dpi());
    Size hovered = measureText(text_, hoveredFont_ ? *hoveredFont_ : underlinedFont_, dpi());
    return Size{std::max(normal.width, hovered.width), std::max(normal.height, hovered.height)};
}

Rect UILink::textRect() const {
    // Inside the room kept for the focus ring.
    Rect inner = shrink(rect(), px(Margins{2, 1, 2, 1}));
    Size size = textSize();
    size.width = std::min(size.width, std::max(0, inner.width));
    return alignedRect(inner, size, alignment_);
}

Size UILink::sizeHint() const {
    Size text = textSize();
    return Size{text.width + px(4), text.height + px(2)};
}

Size UILink::minimumSizeHint() const {
    // Shrinks to "..." like a label.
    Size hint = sizeHint();
    int32_t dots = measureText(u"...", style_.font, dpi()).width + px(4);
    return Size{std::min(hint.width, dots), hint.height};
}

void UILink::paint(UIPainter& painter) {
    const Rect area = textRect();
    const Look look = currentLook();
    TextStyle::draw(painter, area, text_, look.font, look.foreground, look.shadow,
                    Point{px(look.shadowOffset.x), px(look.shadowOffset.y)},
                    AlignLeft | AlignVCenter | TextEllipsis);
    if (showsFocus()) {
        drawFocusRing(painter, shrink(area, Margins{-px(2), -px(1), -px(2), -px(1)}), px(2));
    }
}

void UILink::setProperty(WideStringView name, WideStringView value) {
    if (style_.setProperty(name, value,
                           TextPropertyFont | TextPropertyForeground | TextPropertyShadow |
                               TextPropertyShadowOffset)) {
        underlinedFont_ = style_.font.withFlags(FontUnderline);
    } else if (name == u"hoveredFont") {
        hoveredFont_ = parseStyleFont(value);
    } else if (name == u"hoveredForeground") {
        hoveredForeground_ = parseStylePaint(value);
    } else if (name == u"hoveredShadowForeground") {
        hoveredShadowForeground_ = parseStylePaint(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

int32_t UILink::cursorAt(Point local) const {
    return isEnabled() && textRect().contains(local.x, local.y) ? CursorHand : CursorArrow;
}

WideString UILink::toolTipAt(Point local, Rect& area) const {
    WideString tip = UIWidget::toolTipAt(local, area);
    // Like a browser's status line: where the link leads.
    return tip.empty() && !onClicked ? address_ : tip;
}

void UILink::setHot(bool hot) {
    if (hot != hot_) {
        hot_ = hot;
        update();
    }
}

bool UILink::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft || !textRect().contains(event.position.x, event.position.y)) {
        return false;
    }
    press_.pressMouse();
    return true;
}

bool UILink::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || !press_.releaseMouse()) {
        return false;
    }
    if (textRect().contains(event.position.x, event.position.y)) {
        activate();
    }
    return true;
}

bool UILink::onMouseMove(const MouseEvent& event) {
    setHot(textRect().contains(event.position.x, event.position.y));
    return press_.down();
}

void UILink::onMouseLeave() {
    setHot(false);
}

bool UILink::onKeyPress(const KeyEvent& event) {
    if (event.modifiers != 0) {
        return false;
    }
    if (event.key == KeyReturn) {
        activate();
        return true;
    }
    if (event.key == KeySpace) {
        press_.pressKey();
        return true;
    }
    return false;
}

bool UILink::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !press_.releaseKey()) {
        return false;
    }
    activate();
    return true;
}

void UILink::onCaptureLost() {
    press_.loseCapture();
}

void UILink::onFocusOut() {
    press_.loseFocus();
    UIWidget::onFocusOut();
}

void UILink::onStateChanged() {
    if (!isEnabled()) {
        hot_ = false;
        press_.reset();
    }
    update();
}

} // namespace fw
