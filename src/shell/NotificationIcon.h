#pragma once
// The program's icon in the taskbar's notification area. Its native part owns
// the shell's icon and a hidden window that receives the shell's mouse
// notifications (and puts the icon back when Explorer restarts); this object
// turns them into events and opens its context menu on a right click.
#include "capture/Image.h"
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fw {

class NotificationIcon;
class UIMenu;

// What the shell reports about the mouse over the icon.
enum class IconMouse : int32_t { Move, LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp };

struct NotificationIconEvent {
    int32_t button = 0; // 1 left, 2 right, 0 for a move
    Point position;     // screen coordinates
};

// The platform's side: the icon in the shell and its hidden window.
class NotificationIconNative {
public:
    virtual ~NotificationIconNative() = default;
    virtual void setImage(const Image& image) = 0;
    virtual void setTip(WideStringView tip) = 0;
    // The icon is added hidden; this makes it visible for good.
    virtual void show() = 0;
    // Makes the hidden window the foreground one, so that the menu about to
    // open for the icon closes when the user clicks elsewhere.
    virtual void prepareMenu() = 0;
    // Keeps the open menu above every other window, the taskbar included.
    virtual void raiseMenu(UIMenu& menu) = 0;
    // Where the icon is on the screen, as far as the shell tells; else a
    // point near the notification area.
    virtual Point anchor() = 0;
};

// The native part for `owner` (the POSIX stand-in shows nothing).
std::unique_ptr<NotificationIconNative> makeNotificationIconNative(NotificationIcon& owner);

class NotificationIcon {
public:
    using NativeFactory = std::function<std::unique_ptr<NotificationIconNative>(NotificationIcon&)>;

    explicit NotificationIcon(const NativeFactory& makeNative = makeNotificationIconNative);
    NotificationIcon(const NotificationIcon&) = delete;
    NotificationIcon& operator=(const NotificationIcon&) = delete;
    ~NotificationIcon();

    void setImage(const Image& image) { native_->setImage(image); }
    void setTip(WideStringView tip) { native_->setTip(tip); }
    void show() { native_->show(); }
    Point anchor() { return native_->anchor(); }

    UIMenu* contextMenu() const { return menu_.get(); }
    // The previous menu is destroyed.
    void setContextMenu(std::unique_ptr<UIMenu> menu);

    // Handlers must not destroy the icon: post such work instead.
    std::function<void(const NotificationIconEvent&)> onPressed;
    std::function<void(const NotificationIconEvent&)> onReleased;
    std::function<void(const NotificationIconEvent&)> onClicked;
    std::function<void(const NotificationIconEvent&)> onMouseMoved;

    // Called by the native part.
    void mouse(IconMouse kind, Point screen);
    // Keys reach the hidden window while the menu is open.
    void key(uint32_t key, uint32_t modifiers);
    void character(char16_t character, uint32_t modifiers);

private:
    void raise(const std::function<void(const NotificationIconEvent&)>& handler, int32_t button,
               Point screen);
    void openMenu(Point screen);

    std::unique_ptr<NotificationIconNative> native_;
    std::unique_ptr<UIMenu> menu_;
};

} // namespace fw
