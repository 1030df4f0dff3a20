#pragma once
// The list a combo box drops down: a layered pop-up window like a menu, below
// the box (above it when the desktop has no room), with the current item
// highlighted. The mouse highlights and a release on an item chooses it, the
// keyboard moves the highlight, the wheel and a thin scroll bar scroll a long
// list. While it is open it holds the mouse and takes its owner's keys; a
// press anywhere else closes it and goes no further.
#include "ui/UIWindow.h"

namespace fw {

class UIComboBox;

class UIComboBoxPopup : public UIWindow {
public:
    explicit UIComboBoxPopup(UIComboBox& box);
    ~UIComboBoxPopup() override;

    // Opens under (or above) `anchor`, the box on the screen.
    void open(const Rect& anchor);
    // Closes; with `accept` the highlighted item becomes the box's choice.
    void finish(bool accept);
    bool isOpen() const { return open_; }

    int32_t highlighted() const { return highlighted_; }
    // Highlights an item and scrolls it into view.
    void setHighlighted(int32_t index);
    int32_t firstVisible() const { return first_; }
    int32_t visibleRows() const { return rows_; }
    void scrollTo(int32_t first);

    // Where an item lies in the window; empty when it is scrolled away.
    Rect itemRect(int32_t index) const;
    int32_t itemAt(Point local) const;
    // The scroll bar's track and thumb; empty when everything fits.
    Rect trackRect() const;
    Rect thumbRect() const;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;

protected:
    bool onWindowKey(const KeyEvent& event) override;
    bool onWindowMouse(NativeMouseKind kind, Point position, uint32_t button,
                       uint32_t buttons) override;
    bool onWindowWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers) override;
    bool onChar(const CharEvent& event) override;
    void onCaptureLostByWindow() override;
    bool onCloseRequest() override;
    void OnTimer(int32_t identifier) override;

private:
    int32_t itemHeight() const;
    int32_t textWidth() const;
    int32_t scrollBarWidth() const;
    Rect listRect() const;
    int32_t lastFirst() const;
    void moveHighlight(int32_t step);
    void dragThumb(int32_t y);
    void pageTowards(int32_t y);
    void autoScroll(Point position, uint32_t buttons);
    void paintItem(UIPainter& painter, int32_t index);

    UIComboBox& box_;
    bool open_ = false;
    int32_t highlighted_ = -1;
    int32_t first_ = 0;
    int32_t rows_ = 0;
    // The mouse dragging the thumb: the grip's offset inside it; -1 otherwise.
    int32_t thumbGrip_ = -1;
    // -1 or +1 while a held button scrolls the list from beyond its edge.
    int32_t autoScroll_ = 0;
    int32_t wheelRest_ = 0;
    // Where the mouse was last seen (screen).
    Point lastMouse_;
};

} // namespace fw
