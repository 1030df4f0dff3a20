#pragma once
// A group box: a frame ("UIGroup_Background") with a title set into its top
// edge around a box of contents. The title can carry a check box
// ("UIGroup_Indicator", frames as a check box's); unchecking it disables the
// contents, and checking enables them again. Checkable, the group takes the
// focus and toggles with a click on its title or with Space.
#include "ui/PressState.h"
#include "ui/TextStyle.h"
#include "ui/UIBox.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UIGroup : public UIWidget {
public:
    explicit UIGroup(WideString title = WideString());

    const WideString& title() const { return title_; }
    void setTitle(WideString title);
    // Where the controls of the group go: add them here and give it a layout.
    UIBox* contents() const { return contents_; }

    void setCheckable(bool checkable);
    bool isCheckable() const { return checkable_; }
    bool isChecked() const { return checked_; }
    // onToggled runs only when the state changes.
    void setChecked(bool checked);
    void toggle();
    std::function<void(bool)> onToggled;

    // The title row (indicator and title) and the frame, in local coordinates.
    Rect headerRect() const;
    Rect frameRect() const;
    // The indicator's frame for the current state (as a check box's).
    int32_t indicatorFrame() const;

    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onCaptureLost() override;
    void onFocusOut() override;

private:
    class GroupLayout;

    Size indicatorSize() const;
    int32_t headerHeight() const;
    // The indicator and title at their full width.
    int32_t headerContentWidth() const;
    // Left inset of the title within the frame's top edge.
    int32_t titleInset() const;
    Rect titleTextRect() const;
    void paintFrame(UIPainter& painter);

    WideString title_;
    UIBox* contents_ = nullptr;
    TextStyle textStyle_;
    Paint background_;
    Size indicatorSizeProperty_;
    int32_t indicatorSpacing_ = 6;
    const Skin* frameSkin_ = nullptr;
    const Skin* indicator_ = nullptr;
    bool checkable_ = false;
    bool checked_ = true;
    bool hot_ = false;
    PressState press_;
};

} // namespace fw
