#pragma once
// Pop-up menus: items with pictures, check and radio marks, separators,
// submenus and disabled items, chosen with the mouse or the keyboard (arrows,
// Enter, Escape, first letters and "&" accelerators). A menu opened from a
// widget of class "UIMenuBar" or "UIToolBar" drops down from it and Left and
// Right move to the bar's neighbouring menus.
//
// While a menu is open its root holds the mouse: a press outside every menu of
// the chain closes them all and goes no further, as Windows menus do. Keys
// reach it through the owner window.
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWindow.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class UIMenu;

struct UIMenuItem {
    int32_t id = -1;
    WideString text;
    // Shown right-aligned, e.g. "Ctrl+C".
    WideString shortcut;
    ScaledImage icon;
    bool enabled = true;
    bool checkable = false;
    bool radio = false;
    bool checked = false;
    bool separator = false;
    std::unique_ptr<UIMenu> submenu;
};

class UIMenu : public UIWindow {
public:
    UIMenu();
    ~UIMenu() override;

    UIMenuItem& addItem(int32_t id, WideString text, Image icon = Image());
    void addSeparator();
    UIMenu* addSubmenu(WideString text, Image icon = Image());
    void clear();
    UIMenuItem* item(int32_t id);
    const std::vector<std::unique_ptr<UIMenuItem>>& items() const { return items_; }
    void setItemEnabled(int32_t id, bool enabled);
    void setItemChecked(int32_t id, bool checked);
    void setItemText(int32_t id, WideString text);

    // Runs before the menu opens, to refresh its items.
    std::function<void(UIMenu&)> onAboutToShow;
    // The chosen item's id, after every menu of the chain has closed.
    std::function<void(int32_t)> onTriggered;
    // Left (-1) or Right (+1) in a menu dropped down from a bar: the bar opens
    // its neighbouring menu.
    std::function<void(int32_t)> onNavigateSideways;

    // Opens at a screen point (flipped to stay on the desktop) for `owner`.
    void popup(Point screen, UIWindow* owner);
    // Drops down below (or above) a screen rectangle, e.g. a tool-bar button;
    // `source` is the widget it drops from.
    void dropDown(const Rect& anchor, UIWindow* owner, UIWidget* source = nullptr);
    // popup() and wait in a nested loop until the chain closes: the chosen id,
    // or -1 when nothing was chosen.
    int32_t exec(Point screen, UIWindow* owner);
    bool isOpen() const { return open_; }
    // Closes this menu and every menu of its chain.
    void closeAll();
    // The highlighted item's index, or -1.
    int32_t hoveredIndex() const { return hovered_; }

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    // Where an item lies in the menu (client coordinates); empty for an unknown index.
    Rect itemRect(int32_t index) const;
    int32_t itemAt(Point local) const;

protected:
    bool onWindowKey(const KeyEvent& event) override;
    bool onWindowMouse(NativeMouseKind kind, Point position, uint32_t button,
                       uint32_t buttons) override;
    void onCaptureLostByWindow() override;
    bool onCloseRequest() override;
    void OnTimer(int32_t identifier) override;
    bool onChar(const CharEvent& event) override;

private:
    struct Metrics;
    Metrics metrics() const;
    void openAt(const Rect& screenRect, UIWindow* owner);
    UIMenu* root();
    UIMenu* deepestOpen();
    void setHovered(int32_t index);
    bool isSelectable(int32_t index) const;
    void moveHover(int32_t step);
    void openSubmenu(int32_t index, bool selectFirst);
    void closeSubmenu();
    void activate(int32_t index);
    void finish(int32_t id);
    bool handleKey(const KeyEvent& event);
    bool handleMnemonic(char16_t character);
    void paintItem(UIPainter& painter, int32_t index, const Metrics& m);

    std::vector<std::unique_ptr<UIMenuItem>> items_;
    TextStyle textStyle_;
    Paint hoveredForeground_ = Paint::solid(rgb(255, 255, 255));
    Paint hoveredShadowForeground_ = Paint::solid(kTransparentColor);
    Margins padding_{4, 4, 4, 4};
    Margins desktopPadding_{0, 0, 0, 0};
    Margins itemPadding_{8, 4, 12, 4};
    int32_t minimumWidth_ = 160;
    int32_t itemIconSpace_ = 28;
    int32_t itemArrowSpace_ = 20;
    bool forceIconSpace_ = true;
    const Skin* hoveredBackground_ = nullptr;
    const Skin* arrow_ = nullptr;
    const Skin* checkIndicator_ = nullptr;
    const Skin* radioIndicator_ = nullptr;
    const Skin* separator_ = nullptr;
    const Skin* verticalLine_ = nullptr;

    UIMenu* parentMenu_ = nullptr;
    UIMenu* openChild_ = nullptr;
    UIWidget* source_ = nullptr;
    int32_t hovered_ = -1;
    int32_t pendingSubmenu_ = -1;
    bool open_ = false;
    size_t loopDepth_ = 0;
    int32_t chosen_ = -1;
};

} // namespace fw
