#pragma once
// A check box: an indicator ("UICheckBox_Indicator": unchecked normal,
// hovered, pressed, disabled, then the same checked) and its text. A click or
// Space toggles it. UIRadioButton is its exclusive sibling: checking one
// unchecks the others of its group among its parent's children, and the arrow
// keys move between them.
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UICheckBox : public UIWidget {
public:
    explicit UICheckBox(WideString text = WideString());

    const WideString& text() const { return text_; }
    void setText(WideString text);
    bool isChecked() const { return checked_; }
    // Sets the state; onToggled runs only when it changes.
    void setChecked(bool checked);
    void toggle();

    std::function<void(bool)> onToggled;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onCaptureLost() override;

protected:
    UICheckBox(WideString className, WideString skinName, WideString text);
    // What a click does: toggles, and a radio button only checks.
    virtual void activate();
    virtual void afterToggle() {}
    int32_t indicatorFrame() const;
    Size indicatorSize() const;

    TextStyle textStyle_;
    const Skin* indicator_ = nullptr;

private:
    WideString skinName_;
    WideString text_;
    Size indicatorSize_;
    int32_t indicatorSpacing_ = 6;
    bool checked_ = false;
    bool down_ = false;
};

class UIRadioButton : public UICheckBox {
public:
    explicit UIRadioButton(WideString text = WideString(), int32_t group = 0);
    int32_t group() const { return group_; }
    void setGroup(int32_t group) { group_ = group; }
    bool onKeyPress(const KeyEvent& event) override;

protected:
    void activate() override;
    void afterToggle() override;

private:
    std::vector<UIRadioButton*> groupMembers() const;
    int32_t group_;
};

} // namespace fw
