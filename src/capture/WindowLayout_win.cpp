#include "capture/WindowLayout_win.h"

#include "capture/Composition_win.h"
#include "capture/Screen.h"
#include "platform/Win32.h"

namespace fw::os {

namespace {

HWND handleOf(WindowId window) {
    return static_cast<HWND>(window);
}

class SystemWindowLayout : public WindowLayout {
public:
    WindowId desktop() const override { return ::GetDesktopWindow(); }
    WindowId iconWindow() const override { return special(iconWindow_, L"Progman"); }
    WindowId taskbar() const override { return special(taskbar_, L"Shell_TrayWnd"); }

    WindowId topWindow() const override { return ::GetWindow(::GetDesktopWindow(), GW_CHILD); }
    WindowId windowBelow(WindowId window) const override {
        return ::GetWindow(handleOf(window), GW_HWNDNEXT);
    }
    WindowId windowAbove(WindowId window) const override {
        return ::GetWindow(handleOf(window), GW_HWNDPREV);
    }

    bool exists(WindowId window) const override { return window && ::IsWindow(handleOf(window)); }
    bool isVisible(WindowId window) const override {
        return ::IsWindowVisible(handleOf(window)) && !isCloaked(handleOf(window));
    }
    bool isMinimized(WindowId window) const override { return ::IsIconic(handleOf(window)); }
    bool isMaximized(WindowId window) const override { return ::IsZoomed(handleOf(window)); }
    bool isTopmost(WindowId window) const override {
        return (::GetWindowLongW(handleOf(window), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    Rect windowRect(WindowId window) const override {
        RECT r{};
        return ::GetWindowRect(handleOf(window), &r) ? fromRECT(r) : Rect{};
    }
    Rect clientRect(WindowId window) const override {
        RECT r{};
        POINT origin{0, 0};
        if (!::GetClientRect(handleOf(window), &r) ||
            !::ClientToScreen(handleOf(window), &origin)) {
            return Rect{};
        }
        return Rect{origin.x, origin.y, r.right, r.bottom};
    }
    WindowId root(WindowId window) const override {
        return ::GetAncestor(handleOf(window), GA_ROOT);
    }
    WindowId visibleChildAt(WindowId parent, Point screen) const override {
        POINT p{screen.x, screen.y};
        if (!::ScreenToClient(handleOf(parent), &p)) {
            return nullptr;
        }
        return ::ChildWindowFromPointEx(handleOf(parent), p, CWP_SKIPINVISIBLE);
    }
    std::vector<Rect> monitors(bool workAreas) const override { return monitorRects(workAreas); }

private:
    struct Special {
        HWND handle = nullptr;
        bool lookedUp = false;
    };

    // Found once; found again when the shell has been restarted since.
    static WindowId special(Special& cached, const wchar_t* className) {
        if (!cached.lookedUp || (cached.handle && !::IsWindow(cached.handle))) {
            cached.handle = ::FindWindowW(className, nullptr);
            cached.lookedUp = true;
        }
        return cached.handle;
    }

    mutable Special iconWindow_;
    mutable Special taskbar_;
};

} // namespace

const WindowLayout& systemWindowLayout() {
    static const SystemWindowLayout layout;
    return layout;
}

} // namespace fw::os
