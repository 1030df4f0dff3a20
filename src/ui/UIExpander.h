#pragma once
// A header that shows or hides a box of contents below it, with an arrow that
// points right while closed and down while open. A click on the header, Space
// or Enter toggles it; Right opens it and Left closes it. Closed, the contents
// take no space and no focus.
#include "ui/TextStyle.h"
#include "ui/UIBox.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UIExpander : public UIWidget {
public:
    explicit UIExpander(WideString text = WideString(), bool expanded = false);

    const WideString& text() const { return text_; }
    void setText(WideString text);
    // Where the hidden controls go: add them here and give it a layout.
    UIBox* contents() const { return contents_; }

    bool isExpanded() const { return expanded_; }
    // onToggled runs only when the state changes.
    void setExpanded(bool expanded);
    void toggle() { setExpanded(!expanded_); }
    std::function<void(bool)> onToggled;

    // The header row, in local coordinates.
    Rect headerRect() const;

    void paint(UIPainter& painter) override;
    int32_t cursorAt(Point local) const override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;

private:
    class ExpanderLayout;

    int32_t headerHeight() const;
    int32_t headerContentWidth() const;
    int32_t contentsSpacing() const;
    Rect arrowRect() const;

    WideString text_;
    UIBox* contents_ = nullptr;
    TextStyle textStyle_;
    bool expanded_ = false;
    bool hot_ = false;
    bool down_ = false;
};

} // namespace fw
