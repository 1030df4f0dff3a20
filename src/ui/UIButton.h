#pragma once
// A push button: text and/or a picture on the "UIButton_Background" skin
// (frames normal, hovered, pressed, disabled). Clicked by the left mouse
// button released over it, by Space, or by Enter while it has focus. It can
// be checkable (a toggle) or flat (the skin shows only under the mouse).
#include "ui/PressState.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UIButton : public UIWidget {
public:
    explicit UIButton(WideString text = WideString());

    const WideString& text() const { return text_; }
    void setText(WideString text);
    // The picture, and optional variants shown under the mouse and when disabled.
    void setIcon(Image icon);
    void setIcons(Image normal, Image hovered, Image disabled);
    // Checkable buttons flip their state on every click.
    void setCheckable(bool checkable) { checkable_ = checkable; }
    bool isCheckable() const { return checkable_; }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);
    // Flat buttons draw their skin only while hovered, pressed or checked.
    void setFlat(bool flat);
    // Where text and picture sit (Alignment bits); centred by default.
    void setContentAlignment(uint32_t alignment);
    // Clicks as if the user had (for Enter in dialogs and for tests).
    void click();

    std::function<void()> onClicked;
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
    void onFocusOut() override;

protected:
    // Frame of the background skin for the current state.
    int32_t skinFrame() const;
    bool isDown() const { return press_.down(); }
    const Image& currentIcon() const;
    // Paints text and picture inside `content`.
    void paintContent(UIPainter& painter, const Rect& content);
    Size contentSize() const;

    TextStyle textStyle_;
    Paint background_;
    Point downOffset_{0, 1};
    Margins padding_{10, 4, 10, 4};
    Size minimumSizeProperty_;
    int32_t iconAndTextSpacing_ = 6;
    const Skin* skin_ = nullptr;

private:
    WideString text_;
    ScaledImage icon_;
    ScaledImage hoveredIcon_;
    ScaledImage disabledIcon_;
    uint32_t alignment_ = AlignCenter;
    bool checkable_ = false;
    bool checked_ = false;
    bool flat_ = false;
    PressState press_;
};

} // namespace fw
