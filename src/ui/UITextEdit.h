#pragma once
// A multi-line text field on the "UITextEdit_Background" skin: everything the
// line edit does, plus line feeds, word wrap, vertical scrolling (wheel and
// keys) and a text size the user can change (the "Text Size" submenu of its
// context menu, Ctrl+wheel, Ctrl+Plus and Ctrl+Minus) within zoomMinimum and
// zoomMaximum. A scroll bar beside it follows scrollY()/contentHeight() and
// onScrolled.
#include "ui/TextEditLayout.h"
#include "ui/UIEditBase.h"

namespace fw {

// Ids of the "Text Size" submenu's items.
enum TextSizeMenuItem : int32_t {
    TextSizeIncrease = 20,
    TextSizeDecrease,
    TextSizeNormal,
};

class UITextEdit : public UIEditBase {
public:
    explicit UITextEdit(WideString text = WideString());

    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // The text size as a factor of the font's own, within the zoom bounds.
    float zoom() const { return zoom_; }
    void setZoom(float zoom);
    void zoomIn();
    void zoomOut();

    // Scrolling, in pixels: a scroll bar maps these.
    int32_t scrollX() const { return scrollX_; }
    int32_t scrollY() const { return scrollY_; }
    void setScrollY(int32_t y);
    int32_t contentHeight() const;
    int32_t viewportHeight() const { return contentRect().height; }
    std::function<void()> onScrolled;

    const TextEditLayout& textLayout() const;

    Rect caretRect() const override;
    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    bool onWheel(const WheelEvent& event) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onResize() override;
    void onDpiChanged() override;

protected:
    TextHit hitAt(Point local) const override;
    void textChanged() override;
    void ensureCaretVisible() override;
    void moveToLineEdge(bool end, bool extend) override;
    bool moveVertically(uint32_t key, bool extend, bool control) override;
    bool insertLineBreak() override;
    std::pair<size_t, size_t> lineSelectionAt(size_t position) const override;
    void caretMoved() override;
    void addMenuItems(UIMenu& menu) override;
    void menuItemChosen(int32_t id) override;
    FontSpec textFont() const override;
    FontSpec blankTextFont() const override;

private:
    Rect contentRect() const;
    int32_t wrapWidth() const;
    size_t caretLine() const;
    void scrollTo(int32_t x, int32_t y);

    mutable TextEditLayout layout_;
    mutable bool layoutValid_ = false;
    mutable int32_t layoutWrapWidth_ = -1;
    bool wordWrap_ = true;
    // The x that Up and Down keep to across short lines; -1 when unset.
    int32_t goalX_ = -1;
    bool keepGoalX_ = false;
    int32_t scrollX_ = 0;
    int32_t scrollY_ = 0;
    float zoom_ = 1.0f;
    float zoomMinimum_ = 0.5f;
    float zoomMaximum_ = 3.0f;
};

} // namespace fw
