#include "ui/UIMenuBar.h"

#include "ui/TextLayout.h"
#include "ui/UIMenu.h"
#include "ui/UIPainter.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

// The character after the first single "&", lower-cased; 0 without one.
char16_t mnemonicOf(WideStringView text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return toLowerChar(text[i + 1]);
            }
            ++i;
        }
    }
    return 0;
}

// The character a letter or digit key stands for, lower-cased; 0 for others.
char16_t characterOfKey(uint32_t key) {
    if (key >= 'A' && key <= 'Z') {
        return static_cast<char16_t>(key - 'A' + 'a');
    }
    if (key >= '0' && key <= '9') {
        return static_cast<char16_t>(key);
    }
    return 0;
}

bool holds(const UIWidget& root, const UIWidget* target) {
    for (const auto& child : root.children()) {
        if (child.get() == target || holds(*child, target)) {
            return true;
        }
    }
    return false;
}

} // namespace

// A title's menu. It tells the bar when it closes (and whether Escape closed
// it), and lets the bar see the mouse over the titles while it holds the mouse.
class UIMenuBar::Menu : public UIMenu {
public:
    explicit Menu(UIMenuBar& bar) : bar_(bar) {}

protected:
    void onShown(bool shown) override {
        UIMenu::onShown(shown);
        if (!shown) {
            bar_.menuClosed(this, false);
        }
    }
    bool onWindowKey(const KeyEvent& event) override {
        const bool used = UIMenu::onWindowKey(event);
        if (!isOpen()) {
            bar_.menuClosed(this, event.key == KeyEscape);
        }
        return used;
    }
    bool onChar(const CharEvent& event) override {
        const bool used = UIMenu::onChar(event);
        if (!isOpen()) {
            bar_.menuClosed(this, false);
        }
        return used;
    }
    bool onWindowMouse(NativeMouseKind kind, Point position, uint32_t button,
                       uint32_t buttons) override {
        const Point screen =
            nativeWindow().exists() ? nativeWindow().clientToScreen(position) : position;
        const bool press = kind == NativeMouseKind::Press || kind == NativeMouseKind::DoubleClick;
        if ((press || kind == NativeMouseKind::Move) && bar_.menuMouse(this, screen)) {
            return true;
        }
        const bool used = UIMenu::onWindowMouse(kind, position, button, buttons);
        if (!isOpen()) {
            bar_.menuClosed(this, false);
        }
        return used;
    }
    void onCaptureLostByWindow() override {
        UIMenu::onCaptureLostByWindow();
        if (!isOpen()) {
            bar_.menuClosed(this, false);
        }
    }
    bool onCloseRequest() override {
        const bool close = UIMenu::onCloseRequest();
        bar_.menuClosed(this, false);
        return close;
    }

private:
    UIMenuBar& bar_;
};

struct UIMenuBar::Entry {
    WideString title;
    std::unique_ptr<Menu> menu;
};

UIMenuBar::UIMenuBar() : UIWidget(u"UIMenuBar") {
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
}

UIMenuBar::~UIMenuBar() = default;

UIMenu* UIMenuBar::addMenu(WideString title) {
    auto entry = std::make_unique<Entry>();
    entry->title = std::move(title);
    entry->menu = std::make_unique<Menu>(*this);
    Menu* menu = entry->menu.get();
    // Left and Right at the menu's edge go on to the neighbouring titles.
    menu->onNavigateSideways = [this, menu](int32_t direction) {
        for (int32_t i = 0; i < count(); ++i) {
            if (entries_[static_cast<size_t>(i)]->menu.get() == menu) {
                openMenu(((i + direction) % count() + count()) % count(), true);
                return;
            }
        }
    };
    entries_.push_back(std::move(entry));
    listenToWindow();
    updateGeometry();
    update();
    return menu;
}

UIMenu* UIMenuBar::menu(int32_t index) const {
    return index >= 0 && index < count() ? entries_[static_cast<size_t>(index)]->menu.get()
                                         : nullptr;
}

WideString UIMenuBar::title(int32_t index) const {
    return index >= 0 && index < count() ? entries_[static_cast<size_t>(index)]->title
                                         : WideString();
}

void UIMenuBar::setTitle(int32_t index, WideString title) {
    if (index >= 0 && index < count()) {
        entries_[static_cast<size_t>(index)]->title = std::move(title);
        updateGeometry();
        update();
    }
}

// --- Geometry and look ---

Rect UIMenuBar::titleRect(int32_t index) const {
    if (index < 0 || index >= count()) {
        return Rect{};
    }
    const int32_t inset = px(2);
    int32_t x = inset;
    for (int32_t i = 0;; ++i) {
        const WideString& text = entries_[static_cast<size_t>(i)]->title;
        const int32_t w = measureText(text, textStyle_.font, dpi(), TextMnemonic).width + px(20);
        if (i == index) {
            return Rect{x, inset, w, std::max(0, height() - 2 * inset)};
        }
        x += w;
    }
}

int32_t UIMenuBar::titleAt(Point local) const {
    for (int32_t i = 0; i < count(); ++i) {
        if (titleRect(i).contains(local.x, local.y)) {
            return i;
        }
    }
    return -1;
}

Size UIMenuBar::sizeHint() const {
    const Rect last = titleRect(count() - 1);
    const int32_t width = last.isEmpty() ? 0 : last.right() + px(2);
    return Size{width, fontMetrics(textStyle_.font, dpi()).height + px(12)};
}

void UIMenuBar::paint(UIPainter& painter) {
    const bool enabled = isEnabled();
    const int32_t open = openIndex();
    for (int32_t i = 0; i < count(); ++i) {
        const Rect r = titleRect(i);
        const bool active = i == open || (keyboardMode_ && i == highlighted_);
        if (active && enabled) {
            painter.fillRoundedRect(r, px(4), theme::kAccent);
        } else if (i == hovered_ && open < 0 && enabled) {
            painter.fillRoundedRect(r, px(4), theme::kRaised);
        }
        const Paint& foreground = !enabled ? textStyle_.disabledForeground
                                  : active ? Paint::solid(rgb(255, 255, 255))
                                           : textStyle_.foreground;
        TextStyle::draw(painter, r, entries_[static_cast<size_t>(i)]->title, textStyle_.font,
                        foreground, textStyle_.shadowForeground, textStyle_.shadowOffset,
                        AlignHCenter | AlignVCenter | TextMnemonic);
    }
}

// --- Menus ---

int32_t UIMenuBar::openIndex() const {
    return open_ >= 0 && menu(open_)->isOpen() ? open_ : -1;
}

Point UIMenuBar::screenOrigin() const {
    Point origin = mapToWindow(Point{});
    if (const UIWindow* w = window(); w && const_cast<UIWindow*>(w)->nativeWindow().exists()) {
        origin = const_cast<UIWindow*>(w)->nativeWindow().clientToScreen(origin);
    }
    return origin;
}

void UIMenuBar::openMenu(int32_t index, bool fromKeyboard) {
    UIWindow* w = window();
    if (index < 0 || index >= count() || !w || !isEnabled() || openIndex() == index) {
        return;
    }
    closeOpenMenu();
    if (fromKeyboard && !keyboardMode_) {
        enterKeyboardMode(index);
    }
    if (keyboardMode_) {
        highlighted_ = index;
    }
    open_ = index;
    const Rect title = titleRect(index);
    const Point origin = screenOrigin();
    Menu* menu = entries_[static_cast<size_t>(index)]->menu.get();
    menu->dropDown(Rect{origin.x + title.x, origin.y + title.y, title.width, title.height}, w,
                   this);
    if (fromKeyboard) {
        // Highlights the first item, as a menu opened from the keyboard does.
        menu->dispatchKey(true, KeyDown, 0);
    }
    update();
}

void UIMenuBar::closeOpenMenu() {
    if (open_ < 0) {
        return;
    }
    // Switching menus is no closing of the bar: keyboard mode stays.
    switching_ = true;
    menu(open_)->closeAll();
    switching_ = false;
    open_ = -1;
    update();
}

void UIMenuBar::menuClosed(const Menu* closed, bool escaped) {
    if (switching_) {
        return;
    }
    int32_t index = -1;
    for (int32_t i = 0; i < count(); ++i) {
        if (entries_[static_cast<size_t>(i)]->menu.get() == closed) {
            index = i;
        }
    }
    if (index < 0) {
        return;
    }
    if (open_ == index) {
        // A choice or a click elsewhere ends keyboard mode too.
        open_ = -1;
        leaveKeyboardMode();
        update();
    }
    if (escaped) {
        // Escape steps back to the highlighted title, as in Windows.
        enterKeyboardMode(index);
    }
}

bool UIMenuBar::menuMouse(const Menu* menu, Point screen) {
    const Point origin = screenOrigin();
    const int32_t index = titleAt(Point{screen.x - origin.x, screen.y - origin.y});
    if (index < 0 || entries_[static_cast<size_t>(index)]->menu.get() == menu) {
        // Elsewhere, or the open menu's own title: a press there closes it.
        return false;
    }
    // Over another title the mouse opens that menu, moving or pressing.
    openMenu(index, false);
    return true;
}

// --- Keyboard ---

int32_t UIMenuBar::titleWithMnemonic(char16_t character) const {
    if (character == 0) {
        return -1;
    }
    for (int32_t i = 0; i < count(); ++i) {
        if (mnemonicOf(entries_[static_cast<size_t>(i)]->title) == toLowerChar(character)) {
            return i;
        }
    }
    return -1;
}

void UIMenuBar::enterKeyboardMode(int32_t highlighted) {
    UIWindow* w = window();
    if (!w || entries_.empty() || !isVisible() || !isEnabled()) {
        return;
    }
    if (!keyboardMode_) {
        previousFocus_ = w->focusWidget() == this ? nullptr : w->focusWidget();
        keyboardMode_ = true;
    }
    highlighted_ = std::clamp(highlighted, 0, count() - 1);
    altArmed_ = false;
    setFocus();
    update();
}

void UIMenuBar::leaveKeyboardMode() {
    if (!keyboardMode_) {
        return;
    }
    keyboardMode_ = false;
    highlighted_ = -1;
    altArmed_ = false;
    UIWidget* previous = previousFocus_;
    previousFocus_ = nullptr;
    UIWindow* w = window();
    if (w && hasFocus()) {
        // Back to where the user was, if that widget is still there.
        w->setFocusWidget(previous && holds(*w, previous) ? previous : nullptr);
    }
    update();
}

void UIMenuBar::listenToWindow() {
    if (UIWindow* w = window()) {
        w->removeKeyHandlers(this);
        w->addKeyHandler(this, [this](bool down, const KeyEvent& event, bool used) {
            return watchKey(down, event, used);
        });
    }
}

void UIMenuBar::onResize() {
    listenToWindow();
}

bool UIMenuBar::watchKey(bool down, const KeyEvent& event, bool used) {
    if (hasFocus() || entries_.empty()) {
        // In keyboard mode the keys reach the bar as the focus widget.
        return false;
    }
    if (used) {
        altArmed_ = altArmed_ && !down;
        return false;
    }
    if (!down) {
        if (event.key == KeyAlt && altArmed_) {
            altArmed_ = false;
            enterKeyboardMode(0);
            return true;
        }
        return false;
    }
    if (event.key == KeyAlt) {
        altArmed_ = true;
        return true;
    }
    altArmed_ = false;
    if (event.key == KeyF10 && event.modifiers == 0) {
        enterKeyboardMode(0);
        return true;
    }
    if ((event.modifiers & ModifierAlt) && !(event.modifiers & ModifierControl)) {
        const int32_t index = titleWithMnemonic(characterOfKey(event.key));
        if (index >= 0) {
            openMenu(index, true);
            return true;
        }
    }
    return false;
}

bool UIMenuBar::onKeyPress(const KeyEvent& event) {
    if (!keyboardMode_) {
        return false;
    }
    const bool alt = (event.modifiers & ModifierAlt) != 0;
    switch (event.key) {
    case KeyLeft:
    case KeyRight:
        highlighted_ =
            ((highlighted_ + (event.key == KeyRight ? 1 : -1)) % count() + count()) % count();
        update();
        return true;
    case KeyDown:
    case KeyUp:
    case KeyReturn:
    case KeySpace:
        openMenu(highlighted_, true);
        return true;
    case KeyEscape:
    case KeyF10:
    case KeyTab:
        leaveKeyboardMode();
        return true;
    case KeyAlt:
        // Its release leaves keyboard mode.
        altArmed_ = true;
        return true;
    default:
        altArmed_ = false;
        if (alt) {
            openMenu(titleWithMnemonic(characterOfKey(event.key)), true);
        }
        // Letters arrive as characters; nothing else goes past the bar meanwhile.
        return true;
    }
}

bool UIMenuBar::onKeyRelease(const KeyEvent& event) {
    if (!keyboardMode_) {
        return false;
    }
    if (event.key == KeyAlt && altArmed_) {
        leaveKeyboardMode();
    }
    return true;
}

bool UIMenuBar::onChar(const CharEvent& event) {
    if (!keyboardMode_) {
        return false;
    }
    openMenu(titleWithMnemonic(event.character), true);
    return true;
}

void UIMenuBar::onFocusOut() {
    // Focus taken elsewhere (a click) ends keyboard mode where it is.
    if (keyboardMode_ && openIndex() < 0) {
        keyboardMode_ = false;
        highlighted_ = -1;
        previousFocus_ = nullptr;
    }
    UIWidget::onFocusOut();
}

// --- Mouse ---

bool UIMenuBar::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    const int32_t index = titleAt(event.position);
    if (index >= 0 && index == openIndex()) {
        closeOpenMenu();
    } else if (index >= 0) {
        // Once this press is over: the menu takes the mouse from the window.
        defer([this, index] { openMenu(index, false); });
    }
    return true;
}

bool UIMenuBar::onMouseMove(const MouseEvent& event) {
    const int32_t index = titleAt(event.position);
    if (index != hovered_) {
        hovered_ = index;
        update();
    }
    return false;
}

void UIMenuBar::onMouseLeave() {
    hovered_ = -1;
    update();
}

} // namespace fw
