#include "ui/NativeWindow.h"

#include "platform/SystemInfo.h"
#include "resources/CursorSet.h"
#include "resources/PackImages.h"
#include "ui/DibSurface_win.h"
#include "ui/Resample.h"
#include "ui/UIPainter.h"

namespace fw {

struct NativeWindow::BackBuffer {
    DibSurface pixels;
};

namespace {

constexpr UINT kDpiChangedMessage = 0x02E0;
constexpr UINT kHorizontalWheelMessage = 0x020E;

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Newer than XP: looked up once at run time.
template <typename Function> Function user32Function(const char* name) {
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
               : nullptr;
}

uint32_t keyModifiers() {
    uint32_t modifiers = 0;
    if (::GetKeyState(VK_SHIFT) & 0x8000) {
        modifiers |= 1;
    }
    if (::GetKeyState(VK_CONTROL) & 0x8000) {
        modifiers |= 2;
    }
    if (::GetKeyState(VK_MENU) & 0x8000) {
        modifiers |= 4;
    }
    return modifiers;
}

uint32_t heldButtons(WPARAM wParam) {
    uint32_t buttons = 0;
    buttons |= (wParam & MK_LBUTTON) ? 1 : 0;
    buttons |= (wParam & MK_RBUTTON) ? 2 : 0;
    buttons |= (wParam & MK_MBUTTON) ? 4 : 0;
    buttons |= (wParam & MK_XBUTTON1) ? 8 : 0;
    buttons |= (wParam & MK_XBUTTON2) ? 16 : 0;
    return buttons;
}

Point pointFrom(LPARAM lParam) {
    return Point{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

// The toolkit's button code of a mouse message, and whether it is a press.
bool mouseButtonOf(UINT message, WPARAM wParam, uint32_t& button, bool& press) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        button = 1;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        button = 2;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        button = 4;
        break;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP:
        button = HIWORD(wParam) == 1 ? 8 : 16;
        break;
    default:
        return false;
    }
    press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
            message == WM_XBUTTONDOWN;
    return true;
}

LRESULT CALLBACK toolkitWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (NativeWindow* native = NativeWindow::fromHandle(window)) {
        return native->handleMessage(message, wParam, lParam);
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

NativeWindow::NativeWindow(NativeWindowClient* client) : client_(client) {}

NativeWindow::~NativeWindow() {
    destroy();
}

NativeWindow* NativeWindow::fromHandle(void* handle) {
    return handle ? reinterpret_cast<NativeWindow*>(
                        ::GetWindowLongPtrW(static_cast<HWND>(handle), GWLP_USERDATA))
                  : nullptr;
}

bool NativeWindow::create(NativeWindow* parent, bool topLevel) {
    if (handle_) {
        return true;
    }
    HWND parentHandle = parent ? static_cast<HWND>(parent->handle()) : nullptr;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    className_ = nextNativeClassName();
    NativeWindowStyles styles = nativeWindowStyles(flags_, topLevel, parentHandle != nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = styles.classStyle;
    windowClass.lpfnWndProc = toolkitWindowProcedure;
    windowClass.cbWndExtra = 32;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(32512));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = wide(className_);
    ::RegisterClassExW(&windowClass);
    DWORD exStyle = styles.exStyle;
    if (noActivate_) {
        exStyle |= WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    }
    HWND window = ::CreateWindowExW(exStyle, wide(className_), L"", styles.style, 0, 0, 0, 0,
                                    parentHandle, nullptr, instance, nullptr);
    if (!window) {
        ::UnregisterClassW(wide(className_), instance);
        return false;
    }
    handle_ = window;
    if (!(flags_ & WindowPopup)) {
        const WindowIcons& icons = windowIcons();
        smallIcon_ = createPlatformIcon(icons.small);
        bigIcon_ = createPlatformIcon(icons.big);
        if (smallIcon_) {
            ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
        }
        if (bigIcon_) {
            ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
        }
    }
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (opacity_ < 1.0f) {
        applyOpacity();
    }
    return true;
}

void NativeWindow::destroy() {
    if (handle_) {
        HWND window = static_cast<HWND>(handle_);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        handle_ = nullptr;
        ::DestroyWindow(window);
        ::UnregisterClassW(wide(className_), ::GetModuleHandleW(nullptr));
    }
    destroyPlatformIcon(smallIcon_);
    destroyPlatformIcon(bigIcon_);
    smallIcon_ = bigIcon_ = nullptr;
    backBuffer_.reset();
    content_ = Image();
}

void NativeWindow::setFlags(uint32_t flags) {
    const bool topmostChanged = ((flags ^ flags_) & WindowTopmost) != 0;
    flags_ = flags;
    if (handle_ && topmostChanged) {
        setTopmost((flags & WindowTopmost) != 0);
    }
}

void NativeWindow::setTopmost(bool topmost) {
    if (handle_) {
        ::SetWindowPos(static_cast<HWND>(handle_), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
                       0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void NativeWindow::setOpacity(float value) {
    value = clampOpacity(value);
    if (value == opacity_) {
        return;
    }
    opacity_ = value;
    if (handle_) {
        applyOpacity();
    }
}

void NativeWindow::applyOpacity() {
    HWND window = static_cast<HWND>(handle_);
    LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    if (opacity_ >= 1.0f) {
        if (exStyle & WS_EX_LAYERED) {
            ::SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        }
    } else {
        if (!(exStyle & WS_EX_LAYERED)) {
            ::SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        }
        ::SetLayeredWindowAttributes(window, 0, opacityAlpha(opacity_), LWA_ALPHA);
    }
    ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeWindow::setContent(const Image* image) {
    if (!image || image->isEmpty()) {
        content_ = Image();
        if (handle_ && opacity_ >= 1.0f) {
            HWND window = static_cast<HWND>(handle_);
            LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
            if (exStyle & WS_EX_LAYERED) {
                ::SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
            }
        }
        return;
    }
    content_ = *image;
    if (handle_) {
        showContent();
    }
}

void NativeWindow::showContent() {
    HWND window = static_cast<HWND>(handle_);
    LONG exStyle = ::GetWindowLongW(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_LAYERED)) {
        ::SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    }
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    const int32_t width = bounds.right - bounds.left;
    const int32_t height = bounds.bottom - bounds.top;
    if (width < 1 || height < 1) {
        return;
    }
    if (content_.width() != width || content_.height() != height) {
        const bool premultiplied = content_.premultiplied();
        content_ = resize(content_, width, height, ResampleFilter::Bicubic);
        content_.setPremultiplied(premultiplied);
    }
    DibSurface pixels;
    if (!pixels.ensure(width, height)) {
        return;
    }
    PixelSurface target = pixels.surface();
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* in = content_.row(y);
        uint8_t* out = reinterpret_cast<uint8_t*>(target.row(y));
        for (int32_t x = 0; x < width; ++x, in += 4, out += 4) {
            const uint32_t a = in[3];
            const bool straight = !content_.premultiplied();
            out[0] = straight ? static_cast<uint8_t>(in[0] * a / 255) : in[0];
            out[1] = straight ? static_cast<uint8_t>(in[1] * a / 255) : in[1];
            out[2] = straight ? static_cast<uint8_t>(in[2] * a / 255) : in[2];
            out[3] = static_cast<uint8_t>(a);
        }
    }
    POINT position{bounds.left, bounds.top};
    SIZE size{width, height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    HDC screen = ::GetDC(nullptr);
    ::UpdateLayeredWindow(window, screen, &position, &size, pixels.dc(), &source, 0, &blend,
                          ULW_ALPHA);
    ::ReleaseDC(nullptr, screen);
}

void NativeWindow::setTitle(WideStringView title) {
    if (handle_) {
        WideString text(title);
        ::SetWindowTextW(static_cast<HWND>(handle_), wide(text));
    }
}

Rect NativeWindow::frameRect() const {
    RECT r{};
    if (handle_) {
        ::GetWindowRect(static_cast<HWND>(handle_), &r);
    }
    return fromRECT(r);
}

Rect NativeWindow::clientRect() const {
    RECT r{};
    if (!handle_) {
        return Rect{};
    }
    ::GetClientRect(static_cast<HWND>(handle_), &r);
    POINT origin{0, 0};
    ::ClientToScreen(static_cast<HWND>(handle_), &origin);
    return Rect{origin.x, origin.y, r.right, r.bottom};
}

void NativeWindow::setFrameRect(const Rect& r) {
    if (handle_) {
        ::SetWindowPos(static_cast<HWND>(handle_), nullptr, r.x, r.y, r.width, r.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        if (!content_.isEmpty()) {
            showContent();
        }
    }
}

Rect NativeWindow::frameForClient(const Rect& client) const {
    RECT r = toRECT(client);
    if (!handle_) {
        return client;
    }
    HWND window = static_cast<HWND>(handle_);
    DWORD style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
    static const auto adjustForDpi =
        user32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi) {
        adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi()));
    } else {
        ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    }
    return fromRECT(r);
}

Point NativeWindow::clientToScreen(Point client) const {
    POINT p{client.x, client.y};
    if (handle_) {
        ::ClientToScreen(static_cast<HWND>(handle_), &p);
    }
    return Point{p.x, p.y};
}

Point NativeWindow::screenToClient(Point screen) const {
    POINT p{screen.x, screen.y};
    if (handle_) {
        ::ScreenToClient(static_cast<HWND>(handle_), &p);
    }
    return Point{p.x, p.y};
}

void NativeWindow::show(ShowMode mode) {
    if (!handle_) {
        return;
    }
    int command = SW_SHOW;
    switch (mode) {
    case ShowMode::Normal:
        command = noActivate_ ? SW_SHOWNOACTIVATE : SW_SHOW;
        break;
    case ShowMode::NoActivate:
        command = SW_SHOWNOACTIVATE;
        break;
    case ShowMode::Maximized:
        command = SW_SHOWMAXIMIZED;
        break;
    case ShowMode::Minimized:
        command = SW_SHOWMINNOACTIVE;
        break;
    case ShowMode::Restore:
        command = SW_RESTORE;
        break;
    }
    ::ShowWindow(static_cast<HWND>(handle_), command);
    if (!content_.isEmpty()) {
        showContent();
    }
}

void NativeWindow::hide() {
    if (handle_) {
        ::ShowWindow(static_cast<HWND>(handle_), SW_HIDE);
    }
}

bool NativeWindow::isVisible() const {
    return handle_ && ::IsWindowVisible(static_cast<HWND>(handle_));
}

bool NativeWindow::isMinimized() const {
    return handle_ && ::IsIconic(static_cast<HWND>(handle_));
}

bool NativeWindow::isMaximized() const {
    return handle_ && ::IsZoomed(static_cast<HWND>(handle_));
}

bool NativeWindow::isActive() const {
    return handle_ && ::GetActiveWindow() == static_cast<HWND>(handle_);
}

void NativeWindow::activate() {
    if (handle_) {
        ::SetForegroundWindow(static_cast<HWND>(handle_));
        ::SetActiveWindow(static_cast<HWND>(handle_));
    }
}

void NativeWindow::setEnabled(bool enabled) {
    if (handle_) {
        ::EnableWindow(static_cast<HWND>(handle_), enabled ? TRUE : FALSE);
    }
}

bool NativeWindow::isEnabled() const {
    return handle_ && ::IsWindowEnabled(static_cast<HWND>(handle_));
}

void NativeWindow::invalidate(const Rect& client) {
    if (handle_ && !client.isEmpty()) {
        RECT r = toRECT(client);
        ::InvalidateRect(static_cast<HWND>(handle_), &r, FALSE);
    }
}

void NativeWindow::setMouseCapture(bool capture) {
    if (!handle_) {
        return;
    }
    HWND window = static_cast<HWND>(handle_);
    if (capture) {
        ::SetCapture(window);
    } else if (::GetCapture() == window) {
        ::ReleaseCapture();
    }
}

int32_t NativeWindow::dpi() const {
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (handle_ && getDpiForWindow) {
        UINT value = getDpiForWindow(static_cast<HWND>(handle_));
        if (value > 0) {
            return static_cast<int32_t>(value);
        }
    }
    return os::screenDpi();
}

void NativeWindow::paint() {
    HWND window = static_cast<HWND>(handle_);
    PAINTSTRUCT paintInfo{};
    HDC target = ::BeginPaint(window, &paintInfo);
    RECT client{};
    ::GetClientRect(window, &client);
    Rect dirty = intersect(fromRECT(paintInfo.rcPaint), fromRECT(client));
    if (!backBuffer_) {
        backBuffer_ = std::make_unique<BackBuffer>();
    }
    if (target && client_ && !dirty.isEmpty() &&
        backBuffer_->pixels.ensure(client.right, client.bottom)) {
        {
            UIPainter painter(backBuffer_->pixels.surface(), backBuffer_->pixels.dc(), dpi());
            painter.clipTo(dirty);
            client_->onNativePaint(painter, dirty);
        }
        ::GdiFlush();
        ::BitBlt(target, dirty.x, dirty.y, dirty.width, dirty.height, backBuffer_->pixels.dc(),
                 dirty.x, dirty.y, SRCCOPY);
    }
    ::EndPaint(window, &paintInfo);
}

intptr_t NativeWindow::handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    HWND window = static_cast<HWND>(handle_);
    intptr_t hooked = 0;
    if (hook_ && hook_(message, wParam, lParam, hooked)) {
        return hooked;
    }
    uint32_t button = 0;
    bool press = false;
    if (client_ && mouseButtonOf(message, wParam, button, press)) {
        client_->onNativeMouse(press ? NativeMouseKind::Press : NativeMouseKind::Release,
                               pointFrom(lParam), button, heldButtons(wParam), keyModifiers());
        return message == WM_XBUTTONDOWN || message == WM_XBUTTONUP ? TRUE : 0;
    }
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        if (client_ && wParam != SIZE_MINIMIZED) {
            client_->onNativeResize(Size{LOWORD(lParam), HIWORD(lParam)});
        }
        return 0;
    case WM_MOUSEMOVE:
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
            trackingLeave_ = ::TrackMouseEvent(&track) != 0;
        }
        if (client_) {
            client_->onNativeMouse(NativeMouseKind::Move, pointFrom(lParam), 0, heldButtons(wParam),
                                   keyModifiers());
        }
        return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        if (client_) {
            client_->onNativeMouseLeave();
        }
        return 0;
    case WM_MOUSEWHEEL:
    case kHorizontalWheelMessage:
        if (client_) {
            POINT p{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
            ::ScreenToClient(window, &p);
            client_->onNativeWheel(Point{p.x, p.y}, static_cast<int16_t>(HIWORD(wParam)),
                                   message == WM_MOUSEWHEEL, keyModifiers());
        }
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
        const bool repeat = down && (lParam & 0x40000000) != 0;
        if (client_ &&
            client_->onNativeKey(down, static_cast<uint32_t>(wParam), keyModifiers(), repeat)) {
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (client_) {
            client_->onNativeChar(static_cast<char16_t>(wParam), keyModifiers());
        }
        return 0;
    case WM_CLOSE:
        if (client_) {
            client_->onNativeClose();
        }
        return 0;
    case WM_ACTIVATE:
        if (client_) {
            client_->onNativeActivate(LOWORD(wParam) != WA_INACTIVE);
        }
        break;
    case WM_MOUSEACTIVATE:
        if (noActivate_) {
            return MA_NOACTIVATE;
        }
        break;
    case WM_CAPTURECHANGED:
        if (client_ && reinterpret_cast<HWND>(lParam) != window) {
            client_->onNativeCaptureLost();
        }
        return 0;
    case WM_SETCURSOR:
        if (client_ && LOWORD(lParam) == HTCLIENT) {
            POINT p{};
            ::GetCursorPos(&p);
            ::ScreenToClient(window, &p);
            HCURSOR shown = static_cast<HCURSOR>(cursor(client_->onNativeCursor(Point{p.x, p.y})));
            ::SetCursor(shown ? shown : ::LoadCursorW(nullptr, IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_GETMINMAXINFO:
        if (client_ && handle_) {
            Size minimum = client_->onNativeMinimumSize();
            Rect frame = frameForClient(Rect{0, 0, minimum.width, minimum.height});
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, frame.width);
            info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, frame.height);
        }
        return 0;
    case kDpiChangedMessage:
        if (client_) {
            client_->onNativeDpiChanged(LOWORD(wParam),
                                        fromRECT(*reinterpret_cast<const RECT*>(lParam)));
        }
        return 0;
    case kSecondStartMessage:
        if (lParam == 0) {
            if (!::IsWindowVisible(window)) {
                ::ShowWindow(window, SW_SHOW);
            }
            if (::IsIconic(window)) {
                ::ShowWindow(window, SW_RESTORE);
            }
            ::SetForegroundWindow(window);
        } else if (client_) {
            client_->onNativeEvent(lParam);
        }
        return 0;
    case WM_SYSCOMMAND:
        if (client_ && client_->onNativeSystemCommand(static_cast<uint32_t>(wParam & 0xFFF0))) {
            return 0;
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace fw
