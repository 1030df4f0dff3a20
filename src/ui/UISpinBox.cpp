#include "ui/UISpinBox.h"

#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kRepeatDelayTimer = 1;
constexpr int32_t kRepeatTimer = 2;
constexpr int32_t kRepeatDelayMs = 400;
constexpr int32_t kRepeatMs = 50;
constexpr int32_t kPageSteps = 10;

enum ButtonFrame : int32_t {
    FrameNormal = 0,
    FrameHovered = 1,
    FramePressed = 2,
    FrameDisabled = 3
};

// The number field tells its owner when it loses focus.
class SpinBoxField : public UILineEdit {
public:
    explicit SpinBoxField(UISpinBox* owner) : owner_(owner) {}
    void onFocusOut() override {
        UILineEdit::onFocusOut();
        owner_->commit();
    }

private:
    UISpinBox* owner_;
};

// An optional minus sign and at most ten digits: what may stand in the field
// while the user types.
bool isNumberText(WideStringView text, bool negative) {
    size_t i = negative && !text.empty() && text[0] == u'-' ? 1 : 0;
    if (text.size() - i > 10) {
        return false;
    }
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') {
            return false;
        }
    }
    return true;
}

bool parseNumber(WideStringView text, int64_t& value) {
    if (!isNumberText(text, true)) {
        return false;
    }
    const bool negative = !text.empty() && text[0] == u'-';
    const size_t first = negative ? 1 : 0;
    if (text.size() == first) {
        return false;
    }
    int64_t number = 0;
    for (size_t i = first; i < text.size(); ++i) {
        number = number * 10 + (text[i] - u'0');
    }
    value = negative ? -number : number;
    return true;
}

} // namespace

UISpinBox::UISpinBox() : UIWidget(u"UISpinBox"), font_(defaultFont()) {
    setSizePolicy(SizePolicy::Preferred, SizePolicy::Fixed);
    edit_ = add<SpinBoxField>(this);
    edit_->setValidator(
        [this](WideStringView candidate) { return isNumberText(candidate, minimum_ < 0); });
    edit_->onEdited = [this] { fieldEdited(); };
    edit_->setText(toWide(value_));
}

void UISpinBox::setValue(int32_t value) {
    changeValue(value, true);
}

void UISpinBox::setRange(int32_t minimum, int32_t maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    changeValue(value_, true);
    updateGeometry();
    update();
}

void UISpinBox::setStep(int32_t step) {
    step_ = std::max(1, step);
}

void UISpinBox::changeValue(int32_t value, bool showInField) {
    value = std::clamp(value, minimum_, maximum_);
    if (showInField) {
        WideString text = toWide(value);
        if (edit_->text() != text) {
            edit_->setText(text);
        }
    }
    if (value == value_) {
        return;
    }
    value_ = value;
    update();
    auto changed = onValueChanged;
    if (changed) {
        changed(value);
    }
}

void UISpinBox::fieldEdited() {
    // A number within the range counts at once; anything else waits for the
    // user to finish (focus out or Enter).
    int64_t typed = 0;
    if (parseNumber(edit_->text(), typed) && typed >= minimum_ && typed <= maximum_) {
        changeValue(static_cast<int32_t>(typed), false);
    }
}

void UISpinBox::stepBy(int32_t steps) {
    int64_t base = value_;
    int64_t typed = 0;
    if (parseNumber(edit_->text(), typed)) {
        base = std::clamp<int64_t>(typed, minimum_, maximum_);
    }
    const int64_t target = base + static_cast<int64_t>(steps) * step_;
    changeValue(static_cast<int32_t>(std::clamp<int64_t>(target, minimum_, maximum_)), true);
}

void UISpinBox::commit() {
    int64_t typed = 0;
    if (parseNumber(edit_->text(), typed)) {
        changeValue(static_cast<int32_t>(std::clamp<int64_t>(typed, minimum_, maximum_)), true);
    } else {
        edit_->setText(toWide(value_));
    }
}

// --- Buttons ---

Rect UISpinBox::buttonRect(Button button) const {
    const int32_t width = px(buttonWidth_);
    const int32_t half = height() / 2;
    const int32_t x = this->width() - width;
    return button == Button::Up ? Rect{x, 0, width, half} : Rect{x, half, width, height() - half};
}

UISpinBox::Button UISpinBox::buttonAt(Point local) const {
    if (buttonRect(Button::Up).contains(local.x, local.y)) {
        return Button::Up;
    }
    if (buttonRect(Button::Down).contains(local.x, local.y)) {
        return Button::Down;
    }
    return Button::None;
}

bool UISpinBox::canStep(Button button) const {
    return button == Button::Up ? value_ < maximum_ : value_ > minimum_;
}

int32_t UISpinBox::buttonFrame(Button button) const {
    if (!isEnabled() || !canStep(button)) {
        return FrameDisabled;
    }
    if (pressed_ == button) {
        return hovered_ == button ? FramePressed : FrameHovered;
    }
    return hovered_ == button ? FrameHovered : FrameNormal;
}

void UISpinBox::paint(UIPainter& painter) {
    for (Button button : {Button::Up, Button::Down}) {
        const Rect area = buttonRect(button);
        const int32_t frame = buttonFrame(button);
        if (buttonSkin_) {
            drawSkin(painter, buttonSkin_, frame, area);
        } else {
            painter.fillRoundedRect(area, px(2), theme::kRaised);
            painter.drawRoundedRect(area, px(2), theme::kBorder);
        }
        drawSkinAligned(painter, button == Button::Up ? arrowUp_ : arrowDown_, frame, area);
    }
}

bool UISpinBox::onMousePress(const MouseEvent& event) {
    const Button button = buttonAt(event.position);
    if (event.button != MouseLeft || button == Button::None) {
        return false;
    }
    // The field keeps the keyboard, so that the arrows and typing go on working.
    if (!edit_->hasFocus()) {
        edit_->setFocus();
    }
    pressed_ = hovered_ = button;
    stepBy(button == Button::Up ? 1 : -1);
    StartTimer(this, kRepeatDelayTimer, kRepeatDelayMs);
    update();
    return true;
}

bool UISpinBox::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || pressed_ == Button::None) {
        return false;
    }
    stopRepeat();
    update();
    return true;
}

bool UISpinBox::onMouseMove(const MouseEvent& event) {
    const Button button = buttonAt(event.position);
    if (button != hovered_) {
        hovered_ = button;
        update();
    }
    return pressed_ != Button::None;
}

void UISpinBox::onMouseLeave() {
    if (pressed_ == Button::None && hovered_ != Button::None) {
        hovered_ = Button::None;
        update();
    }
}

void UISpinBox::OnTimer(int32_t identifier) {
    if (identifier == kRepeatDelayTimer) {
        StopTimer(this, kRepeatDelayTimer);
        StartTimer(this, kRepeatTimer, kRepeatMs);
    } else if (identifier == kRepeatTimer) {
        // Repeats only while the mouse stays on the button it pressed.
        if (pressed_ != Button::None && hovered_ == pressed_) {
            stepBy(pressed_ == Button::Up ? 1 : -1);
        }
    }
}

void UISpinBox::stopRepeat() {
    StopTimer(this, kRepeatDelayTimer);
    StopTimer(this, kRepeatTimer);
    pressed_ = Button::None;
}

void UISpinBox::onCaptureLost() {
    stopRepeat();
    update();
}

void UISpinBox::onStateChanged() {
    if (!isEnabled()) {
        stopRepeat();
    }
    update();
}

// --- Keyboard and wheel ---

bool UISpinBox::onKeyPress(const KeyEvent& event) {
    if (event.modifiers & ModifierAlt) {
        return false;
    }
    switch (event.key) {
    case KeyUp:
        stepBy(1);
        return true;
    case KeyDown:
        stepBy(-1);
        return true;
    case KeyPageUp:
        stepBy(kPageSteps);
        return true;
    case KeyPageDown:
        stepBy(-kPageSteps);
        return true;
    case KeyReturn:
        // Clamped first; the window's default action still follows.
        commit();
        return false;
    default:
        return false;
    }
}

bool UISpinBox::onWheel(const WheelEvent& event) {
    // Without focus the wheel scrolls whatever holds the field instead of
    // changing a value the user did not mean to touch.
    if (!edit_->hasFocus() || !event.vertical) {
        return false;
    }
    wheelRemainder_ += event.delta;
    const int32_t notches = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    if (notches != 0) {
        stepBy(notches);
    }
    return true;
}

// --- Style and geometry ---

void UISpinBox::setProperty(WideStringView name, WideStringView value) {
    if (name == u"font") {
        font_ = parseStyleFont(value);
        edit_->setProperty(name, value);
    } else if (name == u"buttonWidth") {
        buttonWidth_ = parseStyleInteger(value);
    } else if (name == u"spacing") {
        spacing_ = parseStyleInteger(value);
    } else if (name == u"minimumHeight") {
        minimumHeight_ = parseStyleInteger(value);
    } else {
        return;
    }
    onResize();
    updateGeometry();
    update();
}

void UISpinBox::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UISpinBox_Button") {
        buttonSkin_ = &skin;
    } else if (name == u"UISpinBox_ArrowUp") {
        arrowUp_ = &skin;
    } else if (name == u"UISpinBox_ArrowDown") {
        arrowDown_ = &skin;
    }
}

Size UISpinBox::sizeHint() const {
    // Room for the longest number of the range, and the frame around it.
    const size_t digits = std::max(toWide(minimum_).size(), toWide(maximum_).size());
    const int32_t text = measureText(WideString(digits + 1, u'0'), font_, dpi()).width;
    const int32_t field = std::max(px(48), text + px(14));
    const Size minimum = minimumSizeHint();
    return Size{field + px(spacing_) + px(buttonWidth_), minimum.height};
}

Size UISpinBox::minimumSizeHint() const {
    const int32_t height = std::max(px(minimumHeight_), edit_->minimumSizeHint().height);
    return Size{px(32) + px(spacing_) + px(buttonWidth_), height};
}

void UISpinBox::onResize() {
    const int32_t buttons = px(buttonWidth_) + px(spacing_);
    edit_->setGeometry(Rect{0, 0, std::max(0, width() - buttons), height()});
}

} // namespace fw
