#include "capture/Screen.h"
#include "platform/Win32.h"
#include "resources/CursorSet.h"
#include "shell/NotificationIcon.h"
#include "ui/UIMenu.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace fw {

namespace {

constexpr wchar_t kIconWindowClass[] = L"C97B81D7-852C-45cc-9F97-597D225C9B3E";
constexpr wchar_t kCallbackMessageName[] = L"D2F33579-5A5F-43ff-8E19-74B1974E8488";
constexpr UINT kIconId = 1;
// The Windows 2000/XP layout of the icon data: every shell since understands it.
constexpr DWORD kIconDataSize = NOTIFYICONDATAW_V2_SIZE;
constexpr size_t kTipCharacters = 127;

// Windows 7 and later tell where an icon is; loaded at run time.
struct IconIdentifier {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    GUID guidItem;
};
using GetIconRectFunction = HRESULT(WINAPI*)(const IconIdentifier*, RECT*);

class WindowsNotificationIcon : public NotificationIconNative {
public:
    explicit WindowsNotificationIcon(NotificationIcon& owner)
        : owner_(owner), taskbarCreated_(::RegisterWindowMessageW(L"TaskbarCreated")),
          callback_(::RegisterWindowMessageW(kCallbackMessageName)) {
        createWindow();
        add();
    }
    ~WindowsNotificationIcon() override {
        NOTIFYICONDATAW data = iconData(0);
        ::Shell_NotifyIconW(NIM_DELETE, &data);
        destroyPlatformIcon(icon_);
        if (window_) {
            ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            ::DestroyWindow(window_);
        }
    }

    void setImage(const Image& image) override {
        image_ = image;
        destroyPlatformIcon(icon_);
        icon_ = static_cast<HICON>(createPlatformIcon(image));
        NOTIFYICONDATAW data = iconData(NIF_ICON);
        data.hIcon = icon_;
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
    }
    void setTip(WideStringView tip) override {
        tip_ = WideString(tip.substr(0, kTipCharacters));
        NOTIFYICONDATAW data = iconData(NIF_TIP);
        std::wcsncpy(data.szTip, wide(tip_), kTipCharacters);
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
    }
    void show() override {
        if (shown_) {
            return;
        }
        NOTIFYICONDATAW data = iconData(NIF_STATE);
        data.dwState = 0;
        data.dwStateMask = NIS_HIDDEN;
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
        shown_ = true;
    }
    void prepareMenu() override {
        if (::GetForegroundWindow() != window_) {
            ::SetForegroundWindow(window_);
        }
    }
    void raiseMenu(UIMenu& menu) override {
        ::SetWindowPos(static_cast<HWND>(menu.nativeWindow().handle()), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    Point anchor() override {
        static const auto getIconRect = [] {
            HMODULE shell = ::GetModuleHandleW(L"shell32.dll");
            return shell ? reinterpret_cast<GetIconRectFunction>(reinterpret_cast<void*>(
                               ::GetProcAddress(shell, "Shell_NotifyIconGetRect")))
                         : nullptr;
        }();
        RECT r{};
        IconIdentifier id{sizeof(IconIdentifier), window_, kIconId, GUID{}};
        if (getIconRect && SUCCEEDED(getIconRect(&id, &r)) && r.right > r.left) {
            return Point{(r.left + r.right) / 2, r.top};
        }
        // Where the notification area usually is: the corner by the clock.
        const Rect work = os::primaryWorkArea();
        return Point{work.right() - 24, work.bottom() - 2};
    }

    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == callback_ && message != 0) {
            if (wParam == kIconId) {
                notify(static_cast<UINT>(lParam));
            }
            return 0;
        }
        if (message == taskbarCreated_ && message != 0) {
            readd();
            return 0;
        }
        switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            owner_.key(static_cast<uint32_t>(wParam), keyModifiers());
            return 0;
        case WM_CHAR:
            owner_.character(static_cast<char16_t>(wParam), keyModifiers());
            return 0;
        default:
            return ::DefWindowProcW(window_, message, wParam, lParam);
        }
    }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* icon =
            reinterpret_cast<WindowsNotificationIcon*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        return icon ? icon->handle(message, wParam, lParam)
                    : ::DefWindowProcW(window, message, wParam, lParam);
    }
    static uint32_t keyModifiers() {
        return ((::GetKeyState(VK_SHIFT) & 0x8000) ? 1u : 0u) |
               ((::GetKeyState(VK_CONTROL) & 0x8000) ? 2u : 0u) |
               ((::GetKeyState(VK_MENU) & 0x8000) ? 4u : 0u);
    }

    void createWindow() {
        HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kIconWindowClass;
        // A second icon in the same process finds the class registered already.
        ::RegisterClassExW(&windowClass);
        window_ = ::CreateWindowExW(0, kIconWindowClass, L"", WS_POPUP, -10000, -10000, 0, 0,
                                    nullptr, nullptr, instance, nullptr);
        if (window_) {
            ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
    }
    NOTIFYICONDATAW iconData(UINT flags) const {
        NOTIFYICONDATAW data{};
        data.cbSize = kIconDataSize;
        data.hWnd = window_;
        data.uID = kIconId;
        data.uFlags = flags;
        return data;
    }
    void add() {
        NOTIFYICONDATAW data = iconData(NIF_MESSAGE | NIF_STATE);
        data.uCallbackMessage = callback_;
        data.dwState = NIS_HIDDEN;
        data.dwStateMask = NIS_HIDDEN;
        ::Shell_NotifyIconW(NIM_ADD, &data);
    }
    // Explorer restarted: the icon comes back as it was.
    void readd() {
        const bool wasShown = shown_;
        shown_ = false;
        destroyPlatformIcon(icon_);
        icon_ = nullptr;
        add();
        if (!image_.isEmpty()) {
            setImage(image_);
        }
        if (!tip_.empty()) {
            setTip(tip_);
        }
        if (wasShown) {
            show();
        }
    }
    void notify(UINT mouseMessage) {
        const Point cursor = os::cursorPosition();
        switch (mouseMessage) {
        case WM_MOUSEMOVE:
            owner_.mouse(IconMouse::Move, cursor);
            break;
        case WM_LBUTTONDOWN:
            owner_.mouse(IconMouse::LeftDown, cursor);
            break;
        case WM_LBUTTONUP:
            owner_.mouse(IconMouse::LeftUp, cursor);
            break;
        case WM_LBUTTONDBLCLK:
            owner_.mouse(IconMouse::LeftDoubleClick, cursor);
            break;
        case WM_RBUTTONDOWN:
            owner_.mouse(IconMouse::RightDown, cursor);
            break;
        case WM_RBUTTONUP:
            owner_.mouse(IconMouse::RightUp, cursor);
            break;
        default:
            break;
        }
    }

    NotificationIcon& owner_;
    const UINT taskbarCreated_;
    const UINT callback_;
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    Image image_;
    WideString tip_;
    bool shown_ = false;
};

} // namespace

std::unique_ptr<NotificationIconNative> makeNotificationIconNative(NotificationIcon& owner) {
    return std::make_unique<WindowsNotificationIcon>(owner);
}

} // namespace fw
