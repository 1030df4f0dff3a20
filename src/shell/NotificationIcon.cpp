#include "shell/NotificationIcon.h"

#include "ui/EventLoop.h"
#include "ui/UIMenu.h"

namespace fw {

NotificationIcon::NotificationIcon(const NativeFactory& makeNative) : native_(makeNative(*this)) {}

NotificationIcon::~NotificationIcon() {
    menu_.reset();
    native_.reset();
}

void NotificationIcon::setContextMenu(std::unique_ptr<UIMenu> menu) {
    menu_ = std::move(menu);
}

void NotificationIcon::raise(const std::function<void(const NotificationIconEvent&)>& handler,
                             int32_t button, Point screen) {
    if (handler) {
        auto call = handler;
        call(NotificationIconEvent{button, screen});
    }
}

void NotificationIcon::mouse(IconMouse kind, Point screen) {
    switch (kind) {
    case IconMouse::Move:
        raise(onMouseMoved, 0, screen);
        break;
    case IconMouse::LeftDown:
        raise(onPressed, 1, screen);
        break;
    case IconMouse::LeftUp:
        raise(onReleased, 1, screen);
        raise(onClicked, 1, screen);
        break;
    case IconMouse::LeftDoubleClick:
        // The two releases of a double click have toggled already.
        break;
    case IconMouse::RightDown:
        raise(onPressed, 2, screen);
        break;
    case IconMouse::RightUp:
        raise(onReleased, 2, screen);
        openMenu(screen);
        raise(onClicked, 2, screen);
        break;
    }
}

void NotificationIcon::openMenu(Point screen) {
    // A modal window (a message box, the options) keeps the menu shut: its
    // commands would act behind the window's back.
    if (!menu_ || !menu_->isEnabled() || eventLoop().isModal()) {
        return;
    }
    native_->prepareMenu();
    menu_->popup(screen, nullptr);
    native_->raiseMenu(*menu_);
}

void NotificationIcon::key(uint32_t key, uint32_t modifiers) {
    if (menu_ && menu_->isOpen()) {
        menu_->dispatchKey(true, key, modifiers);
    }
}

void NotificationIcon::character(char16_t character, uint32_t modifiers) {
    if (menu_ && menu_->isOpen()) {
        menu_->dispatchChar(character, modifiers);
    }
}

} // namespace fw
