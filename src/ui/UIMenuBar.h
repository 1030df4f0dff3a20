#pragma once
// A menu bar: a row of menu titles, each dropping down its menu. A click opens
// a menu, and while one is open the mouse moving over another title opens
// that one instead. From the keyboard, Alt (pressed and released alone) or
// F10 highlights the first title; the arrows move along the bar, Down, Enter
// or Space open the highlighted menu, Left and Right in an open menu go on to
// the neighbouring one, Escape steps back. Alt with a title's "&" letter opens
// its menu directly.
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <memory>
#include <vector>

namespace fw {

class UIMenu;

class UIMenuBar : public UIWidget {
public:
    UIMenuBar();
    ~UIMenuBar() override;

    // Adds a title ("&File") and returns its menu, which the bar owns.
    UIMenu* addMenu(WideString title);
    int32_t count() const { return static_cast<int32_t>(entries_.size()); }
    UIMenu* menu(int32_t index) const;
    WideString title(int32_t index) const;
    void setTitle(int32_t index, WideString title);

    // Opens a title's menu; from the keyboard its first item is highlighted
    // and the bar stays in keyboard mode when the menu is escaped.
    void openMenu(int32_t index, bool fromKeyboard);
    // The title whose menu is open, or -1.
    int32_t openIndex() const;
    // Keyboard mode: the bar has the focus and one title is highlighted.
    bool isKeyboardMode() const { return keyboardMode_; }
    int32_t highlightedIndex() const { return highlighted_; }
    void enterKeyboardMode(int32_t highlighted = 0);
    void leaveKeyboardMode();

    Rect titleRect(int32_t index) const;
    int32_t titleAt(Point local) const;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    bool onChar(const CharEvent& event) override;
    void onFocusOut() override;
    void onResize() override;

private:
    class Menu;
    friend class Menu;
    struct Entry;

    // Keys the window's focus chain has seen: Alt, F10 and Alt+letter.
    bool watchKey(bool down, const KeyEvent& event, bool used);
    void listenToWindow();
    int32_t titleWithMnemonic(char16_t character) const;
    void closeOpenMenu();
    // From the open menu: it closed (escaped: by Escape), or the mouse moved
    // or pressed at a screen point while it was open; true when the bar used it.
    void menuClosed(const Menu* menu, bool escaped);
    bool menuMouse(const Menu* menu, Point screen);
    Point screenOrigin() const;

    std::vector<std::unique_ptr<Entry>> entries_;
    TextStyle textStyle_;
    int32_t open_ = -1;
    int32_t hovered_ = -1;
    int32_t highlighted_ = -1;
    bool keyboardMode_ = false;
    // The focus before keyboard mode, given back when it ends.
    UIWidget* previousFocus_ = nullptr;
    // Alt went down with nothing else since: its release enters keyboard mode.
    bool altArmed_ = false;
    bool switching_ = false;
};

} // namespace fw
