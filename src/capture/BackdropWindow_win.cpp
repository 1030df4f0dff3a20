#include "capture/BackdropWindow_win.h"

namespace fw::os {

namespace {

constexpr wchar_t kClassName[] = L"UUI___BackWindowClass";

void registerClassOnce(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, kClassName, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExW(&windowClass);
}

constexpr UINT kBehindFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

} // namespace

BackdropWindow::BackdropWindow(HWND target, const Rect& area, COLORREF colour)
    : target_(target), brush_(::CreateSolidBrush(colour)) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    registerClassOnce(instance, &procedure);
    if (!brush_) {
        return;
    }
    window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"", WS_POPUP,
                                area.x, area.y, area.width, area.height, ::GetDesktopWindow(),
                                nullptr, instance, this);
    if (!window_) {
        return;
    }
    ::SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, kBehindFlags);
    ::SetWindowPos(window_, target_, 0, 0, 0, 0, kBehindFlags | SWP_SHOWWINDOW);
    raiseTargetOnTop();
    // No messages are handled during the settling wait that follows: it must
    // paint now.
    ::UpdateWindow(window_);
}

void BackdropWindow::raiseTargetOnTop() {
    HWND first = ::GetWindow(::GetDesktopWindow(), GW_CHILD);
    while (first && (first == window_ || !::IsWindowVisible(first))) {
        first = ::GetWindow(first, GW_HWNDNEXT);
    }
    // Some window systems (Wine without a window manager) show a new window
    // on top of all others whatever its place in the window list, and order
    // them again only when the first one is placed. A target that is first
    // keeps its place; asking for it puts it back above the backdrop. Posted,
    // so that a hung target cannot stop the capture.
    if (first == target_) {
        ::SetWindowPos(target_, HWND_TOP, 0, 0, 0, 0, kBehindFlags | SWP_ASYNCWINDOWPOS);
    }
}

BackdropWindow::~BackdropWindow() {
    if (window_) {
        HWND window = window_;
        window_ = nullptr;
        ::ShowWindow(window, SW_HIDE);
        ::DestroyWindow(window);
    }
}

void BackdropWindow::keepBehindTarget() {
    if (!window_ || ::GetWindow(window_, GW_HWNDPREV) == target_ || reorders_ >= kMaxReorders) {
        return;
    }
    ++reorders_;
    ::SetWindowPos(window_, target_, 0, 0, 0, 0, kBehindFlags);
}

LRESULT CALLBACK BackdropWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<BackdropWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        if (self) {
            ::FillRect(dc, &client, static_cast<HBRUSH>(self->brush_.get()));
        }
        ::EndPaint(window, &paint);
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        // Another window may push in between: the backdrop goes back behind
        // the target, a bounded number of times so that two such windows
        // cannot fight for ever.
        if (self && self->window_ == window && !(position->flags & SWP_NOZORDER)) {
            self->keepBehindTarget();
        }
        break;
    }
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace fw::os
