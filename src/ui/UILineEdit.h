#pragma once
// A single-line text field on the "UILineEdit_Background" skin (frames
// normal, hovered, focused, disabled): caret, selection with mouse and
// keyboard, horizontal scrolling that keeps the caret in view, clipboard,
// undo and redo, the context menu of "UserInterface/UILineEdit", read-only
// and disabled states, a hint shown while empty, a length limit and a
// validator.
#include "ui/UIEditBase.h"

#include <vector>

namespace fw {

class UILineEdit : public UIEditBase {
public:
    explicit UILineEdit(WideString text = WideString());

    // How far the text is scrolled to the left, in pixels.
    int32_t scrollOffset() const { return scrollX_; }

    Rect caretRect() const override;
    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void onResize() override;
    void onDpiChanged() override;

protected:
    TextHit hitAt(Point local) const override;
    void textChanged() override;
    void ensureCaretVisible() override;
    // Where the text lies inside the frame.
    Rect contentRect() const;

private:
    const std::vector<int32_t>& offsets() const;
    int32_t xOf(size_t position) const;
    int32_t lineHeight() const;
    int32_t lineTop() const;

    mutable std::vector<int32_t> offsets_;
    mutable bool offsetsValid_ = false;
    int32_t scrollX_ = 0;
    int32_t minimumWidth_ = 60;
    int32_t minimumHeight_ = 24;
};

} // namespace fw
