#pragma once
// A whole-number field: a line edit that takes digits (and a minus sign when
// the range goes below zero) with up and down buttons beside it
// ("UISpinBox_Button", arrows "UISpinBox_ArrowUp" and "UISpinBox_ArrowDown",
// frames normal, hovered, pressed, disabled). Up and Down step by one step,
// Page Up and Page Down by ten, the wheel steps while the field has focus, and
// a held button repeats. What the user typed is clamped to the range when the
// field loses focus or Enter is pressed.
#include "ui/UILineEdit.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UISpinBox : public UIWidget {
public:
    UISpinBox();

    int32_t value() const { return value_; }
    // Clamped to the range; the field shows it.
    void setValue(int32_t value);
    int32_t minimum() const { return minimum_; }
    int32_t maximum() const { return maximum_; }
    void setRange(int32_t minimum, int32_t maximum);
    int32_t step() const { return step_; }
    void setStep(int32_t step);
    // Moves by `steps` steps from what the field shows, within the range.
    void stepBy(int32_t steps);
    UILineEdit* lineEdit() const { return edit_; }

    std::function<void(int32_t)> onValueChanged;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onCaptureLost() override;
    void onResize() override;
    void onStateChanged() override;
    void OnTimer(int32_t identifier) override;

    // Takes what the field shows, clamped to the range (focus out and Enter).
    void commit();

private:
    enum class Button { None, Up, Down };

    Rect buttonRect(Button button) const;
    Button buttonAt(Point local) const;
    bool canStep(Button button) const;
    int32_t buttonFrame(Button button) const;
    void fieldEdited();
    void changeValue(int32_t value, bool showInField);
    void stopRepeat();

    UILineEdit* edit_ = nullptr;
    int32_t value_ = 0;
    int32_t minimum_ = 0;
    int32_t maximum_ = 100;
    int32_t step_ = 1;
    FontSpec font_;
    int32_t buttonWidth_ = 16;
    int32_t spacing_ = 2;
    int32_t minimumHeight_ = 24;
    const Skin* buttonSkin_ = nullptr;
    const Skin* arrowUp_ = nullptr;
    const Skin* arrowDown_ = nullptr;
    Button pressed_ = Button::None;
    Button hovered_ = Button::None;
    // Wheel movement short of a whole notch (precise wheels send less).
    int32_t wheelRemainder_ = 0;
};

} // namespace fw
