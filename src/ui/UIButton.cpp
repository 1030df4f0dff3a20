#include "ui/UIButton.h"

#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

enum ButtonFrame : int32_t {
    FrameNormal = 0,
    FrameHovered = 1,
    FramePressed = 2,
    FrameDisabled = 3
};

} // namespace

UIButton::UIButton(WideString text) : UIWidget(u"UIButton"), text_(std::move(text)) {
    setFocusPolicy(FocusPolicy::Strong);
    setCursor(1);
    background_ = Paint::solid(kTransparentColor);
}

void UIButton::setText(WideString text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UIButton::setIcon(Image icon) {
    icon_ = ScaledImage(std::move(icon));
    updateGeometry();
    update();
}

void UIButton::setIcons(Image normal, Image hovered, Image disabled) {
    icon_ = ScaledImage(std::move(normal));
    hoveredIcon_ = ScaledImage(std::move(hovered));
    disabledIcon_ = ScaledImage(std::move(disabled));
    updateGeometry();
    update();
}

void UIButton::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    update();
    if (onToggled) {
        onToggled(checked_);
    }
}

void UIButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void UIButton::setContentAlignment(uint32_t alignment) {
    alignment_ = alignment;
    update();
}

void UIButton::click() {
    if (!isEnabled()) {
        return;
    }
    if (checkable_) {
        setChecked(!checked_);
    }
    if (onClicked) {
        // The handler may close the window that holds this button.
        auto clicked = onClicked;
        clicked();
    }
}

const Image& UIButton::currentIcon() const {
    if (!isEnabled() && !disabledIcon_.isEmpty()) {
        return disabledIcon_.at(dpi());
    }
    if ((isHovered() || press_.down()) && !hoveredIcon_.isEmpty()) {
        return hoveredIcon_.at(dpi());
    }
    return icon_.at(dpi());
}

Size UIButton::contentSize() const {
    Size icon = icon_.isEmpty() ? Size{} : icon_.sizeAt(dpi());
    Size text = text_.empty() ? Size{} : measureText(text_, textStyle_.font, dpi(), TextMnemonic);
    int32_t gap = icon.width > 0 && text.width > 0 ? px(iconAndTextSpacing_) : 0;
    return Size{icon.width + gap + text.width, std::max(icon.height, text.height)};
}

Size UIButton::sizeHint() const {
    Size content = contentSize();
    Margins pad = px(padding_);
    Size hint{content.width + pad.horizontal(), content.height + pad.vertical()};
    Size skin = skinFrameSize(skin_, dpi());
    Size minimum = px(minimumSizeProperty_);
    return Size{std::max({hint.width, skin.width, minimum.width}),
                std::max({hint.height, skin.height, minimum.height})};
}

int32_t UIButton::skinFrame() const {
    if (!isEnabled()) {
        return FrameDisabled;
    }
    if ((press_.down() && (isHovered() || press_.byKey())) || checked_) {
        return FramePressed;
    }
    return isHovered() || press_.down() ? FrameHovered : FrameNormal;
}

void UIButton::paint(UIPainter& painter) {
    const Rect area = rect();
    if (background_.isVisible()) {
        painter.fillPaint(area, background_);
    }
    const int32_t frame = skinFrame();
    if (!flat_ || frame != FrameNormal) {
        if (!(flat_ && frame == FrameDisabled)) {
            drawSkin(painter, skin_, frame, area);
        }
    }
    Rect content = shrink(area, px(padding_));
    if (frame == FramePressed && press_.down()) {
        content.x += px(downOffset_.x);
        content.y += px(downOffset_.y);
    }
    paintContent(painter, content);
    if (showsFocus()) {
        drawFocusRing(painter, shrink(area, Margins{2, 2, 2, 2}), px(3));
    }
}

void UIButton::paintContent(UIPainter& painter, const Rect& content) {
    const Image& icon = currentIcon();
    Size size = contentSize();
    Rect box =
        alignedRect(content, Size{std::min(size.width, content.width), size.height}, alignment_);
    int32_t x = box.x;
    if (!icon.isEmpty()) {
        painter.drawImageAligned(icon, Rect{x, content.y, icon.width(), content.height},
                                 AlignLeft | AlignVCenter);
        x += icon.width() + (text_.empty() ? 0 : px(iconAndTextSpacing_));
    }
    if (!text_.empty()) {
        Rect textRect{x, content.y, std::max(0, content.right() - x), content.height};
        textStyle_.draw(painter, textRect, text_, AlignLeft | AlignVCenter | TextMnemonic,
                        isEnabled());
    }
}

void UIButton::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
        updateGeometry();
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"downOffset") {
        downOffset_ = parseStylePoint(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
        updateGeometry();
    } else if (name == u"minimumSize") {
        minimumSizeProperty_ = parseStyleSize(value);
        updateGeometry();
    } else if (name == u"iconAndTextSpacing") {
        iconAndTextSpacing_ = parseStyleInteger(value);
        updateGeometry();
    } else {
        return;
    }
    update();
}

void UIButton::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIButton_Background") {
        skin_ = &skin;
    }
}

bool UIButton::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    press_.pressMouse();
    update();
    return true;
}

bool UIButton::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || !press_.releaseMouse()) {
        return false;
    }
    update();
    if (rect().contains(event.position.x, event.position.y)) {
        click();
    }
    return true;
}

bool UIButton::onMouseMove(const MouseEvent&) {
    if (press_.down()) {
        update();
    }
    return press_.down();
}

bool UIButton::onKeyPress(const KeyEvent& event) {
    if (event.key == KeySpace && event.modifiers == 0) {
        if (!event.autoRepeat) {
            press_.pressKey();
            update();
        }
        return true;
    }
    if (event.key == KeyReturn && event.modifiers == 0) {
        click();
        return true;
    }
    return false;
}

bool UIButton::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !press_.releaseKey()) {
        return false;
    }
    update();
    click();
    return true;
}

void UIButton::onCaptureLost() {
    if (press_.loseCapture()) {
        update();
    }
}

void UIButton::onFocusOut() {
    press_.loseFocus();
    UIWidget::onFocusOut();
}

} // namespace fw
