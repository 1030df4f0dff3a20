#include "ui/UICheckBox.h"

#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

UICheckBox::UICheckBox(WideString text)
    : UICheckBox(u"UICheckBox", u"UICheckBox_Indicator", std::move(text)) {}

UICheckBox::UICheckBox(WideString className, WideString skinName, WideString text)
    : UIWidget(std::move(className)), skinName_(std::move(skinName)), text_(std::move(text)) {
    setFocusPolicy(FocusPolicy::Strong);
}

void UICheckBox::setText(WideString text) {
    text_ = std::move(text);
    updateGeometry();
    update();
}

void UICheckBox::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    update();
    afterToggle();
    if (onToggled) {
        onToggled(checked_);
    }
}

void UICheckBox::toggle() {
    setChecked(!checked_);
}

void UICheckBox::activate() {
    toggle();
}

Size UICheckBox::indicatorSize() const {
    if (indicatorSize_.width > 0 && indicatorSize_.height > 0) {
        return px(indicatorSize_);
    }
    Size skin = skinFrameSize(indicator_, dpi());
    return skin.width > 0 ? skin : px(Size{16, 16});
}

Size UICheckBox::sizeHint() const {
    Size box = indicatorSize();
    Size text = measureText(text_, textStyle_.font, dpi(), TextMnemonic);
    int32_t gap = text_.empty() ? 0 : px(indicatorSpacing_);
    // Room for the focus ring around the text.
    return Size{box.width + gap + text.width + px(2), std::max(box.height, text.height) + px(2)};
}

int32_t UICheckBox::indicatorFrame() const {
    int32_t state = 0;
    if (!isEnabled()) {
        state = 3;
    } else if (down_ && isHovered()) {
        state = 2;
    } else if (isHovered()) {
        state = 1;
    }
    return (checked_ ? 4 : 0) + state;
}

void UICheckBox::paint(UIPainter& painter) {
    Size box = indicatorSize();
    Rect indicator{0, (height() - box.height) / 2, box.width, box.height};
    drawSkin(painter, indicator_, indicatorFrame(), indicator);
    if (text_.empty()) {
        if (showsFocus()) {
            drawFocusRing(painter, rect(), px(3));
        }
        return;
    }
    int32_t x = box.width + px(indicatorSpacing_);
    Rect textRect{x, 0, std::max(0, width() - x), height()};
    textStyle_.draw(painter, textRect, text_,
                    AlignLeft | AlignVCenter | TextMnemonic | TextEllipsis, isEnabled());
    if (showsFocus()) {
        Size text = measureText(text_, textStyle_.font, dpi(), TextMnemonic);
        Rect ring{x - px(2), (height() - text.height) / 2 - px(1),
                  std::min(text.width, textRect.width) + px(4), text.height + px(2)};
        drawFocusRing(painter, ring, px(2));
    }
}

void UICheckBox::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
    } else if (name == u"indicatorSize") {
        indicatorSize_ = parseStyleSize(value);
    } else if (name == u"indicatorSpacing") {
        indicatorSpacing_ = parseStyleInteger(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

void UICheckBox::bindSkin(WideStringView name, const Skin& skin) {
    if (name == skinName_) {
        indicator_ = &skin;
    }
}

bool UICheckBox::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    down_ = true;
    update();
    return true;
}

bool UICheckBox::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || !down_) {
        return false;
    }
    down_ = false;
    update();
    if (rect().contains(event.position.x, event.position.y)) {
        activate();
    }
    return true;
}

bool UICheckBox::onMouseMove(const MouseEvent&) {
    if (down_) {
        update();
    }
    return down_;
}

bool UICheckBox::onKeyPress(const KeyEvent& event) {
    if (event.key == KeySpace && event.modifiers == 0) {
        if (!event.autoRepeat) {
            down_ = true;
            update();
        }
        return true;
    }
    return false;
}

bool UICheckBox::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !down_) {
        return false;
    }
    down_ = false;
    update();
    activate();
    return true;
}

void UICheckBox::onCaptureLost() {
    down_ = false;
    update();
}

UIRadioButton::UIRadioButton(WideString text, int32_t group)
    : UICheckBox(u"UIRadioButton", u"UIRadioButton_Indicator", std::move(text)), group_(group) {}

std::vector<UIRadioButton*> UIRadioButton::groupMembers() const {
    std::vector<UIRadioButton*> members;
    if (!parent()) {
        return members;
    }
    for (const auto& child : parent()->children()) {
        auto* radio = dynamic_cast<UIRadioButton*>(child.get());
        if (radio && radio->group_ == group_) {
            members.push_back(radio);
        }
    }
    return members;
}

void UIRadioButton::activate() {
    setChecked(true);
}

void UIRadioButton::afterToggle() {
    if (!isChecked()) {
        return;
    }
    for (UIRadioButton* other : groupMembers()) {
        if (other != this) {
            other->setChecked(false);
        }
    }
}

bool UIRadioButton::onKeyPress(const KeyEvent& event) {
    const bool forward = event.key == KeyDown || event.key == KeyRight;
    const bool backward = event.key == KeyUp || event.key == KeyLeft;
    if (!(forward || backward) || event.modifiers != 0) {
        return UICheckBox::onKeyPress(event);
    }
    // Arrow keys move through the group like Windows radio buttons: focus and check.
    std::vector<UIRadioButton*> members = groupMembers();
    members.erase(std::remove_if(members.begin(), members.end(),
                                 [](UIRadioButton* r) { return !r->acceptsTabFocus(); }),
                  members.end());
    auto at = std::find(members.begin(), members.end(), this);
    if (members.size() < 2 || at == members.end()) {
        return true;
    }
    size_t index = static_cast<size_t>(at - members.begin());
    size_t next =
        forward ? (index + 1) % members.size() : (index + members.size() - 1) % members.size();
    members[next]->setFocus();
    members[next]->setChecked(true);
    return true;
}

} // namespace fw
