#include "capture/CapturePipeline.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "shell/GlobalHotkeys.h"
#include "shell/HotkeySettings.h"
#include "shell/WindowController.h"

namespace fw {

namespace {

constexpr wchar_t kMainWindowClass[] = L"UUI___MainWindow";
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 420;

LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* controller =
        reinterpret_cast<MainWindowController*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    intptr_t result = 0;
    if (controller && controller->handleMessage(message, wParam, lParam, result)) {
        return result;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    // Every controller comes here; the class, and the brush it owns, are made once.
    if (::GetClassInfoExW(instance, kMainWindowClass, &existing)) {
        return;
    }
    GdiObjectHandle background(::CreateSolidBrush(RGB(54, 54, 54)));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = mainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(32512));
    windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = static_cast<HBRUSH>(background.get());
    windowClass.lpszClassName = kMainWindowClass;
    if (::RegisterClassExW(&windowClass)) {
        background.release();
    }
}

} // namespace

MainWindowController::MainWindowController(MainWindowHost& host) : host_(host), window_(nullptr) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    registerMainWindowClass(instance);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + (work.right - work.left - kDefaultWidth) / 2;
    int y = work.top + (work.bottom - work.top - kDefaultHeight) / 2;
    window_ =
        ::CreateWindowExW(WS_EX_APPWINDOW, kMainWindowClass, L"Framewing", WS_OVERLAPPEDWINDOW, x,
                          y, kDefaultWidth, kDefaultHeight, nullptr, nullptr, instance, this);
    host_.mainWindowCreated(window_);
    registerHotkeys();
}

MainWindowController::~MainWindowController() {
    host_.mainWindowDestroyed(window_);
    // Releases the keys while the window that holds them still exists.
    hotkeys_.reset();
    if (window_) {
        HWND window = static_cast<HWND>(window_);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        ::DestroyWindow(window);
    }
}

void MainWindowController::show(bool maximized) {
    ::ShowWindow(static_cast<HWND>(window_), maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
}

void MainWindowController::hide() {
    ::ShowWindow(static_cast<HWND>(window_), SW_HIDE);
}

bool MainWindowController::isVisible() const {
    return ::IsWindowVisible(static_cast<HWND>(window_)) != 0;
}

void MainWindowController::toggle() {
    if (isVisible()) {
        hide();
    } else {
        bringToFront();
    }
}

void MainWindowController::registerHotkeys() {
    hotkeys_ = std::make_unique<GlobalHotkeys>(makeWindowHotkeyBackend(window_));
    registerStartupHotkeys(*hotkeys_, host_.settings(), host_.model().values.usePrintScreenKey);
}

void MainWindowController::onHotkey(int32_t id) {
    switch (actionForHotkey(id)) {
    case HotkeyAction::ToggleMainWindow:
        toggle();
        break;
    case HotkeyAction::StartCapture:
        if (CapturePipeline* capture = host_.model().capture.get()) {
            capture->StartCapture(static_cast<CaptureMode>(host_.model().values.mode));
        }
        break;
    case HotkeyAction::None:
        break;
    }
}

void MainWindowController::bringToFront() {
    HWND window = static_cast<HWND>(window_);
    if (!::IsWindowVisible(window)) {
        ::ShowWindow(window, SW_SHOW);
    }
    if (::IsIconic(window)) {
        ::ShowWindow(window, SW_RESTORE);
    }
    ::SetForegroundWindow(window);
}

void MainWindowController::onClose() {
    SettingValue closeToTray =
        host_.settings().get(keys::kCloseToNotificationArea, SettingValue::boolean(true));
    if (closeToTray.toBool()) {
        hide();
        return;
    }
    host_.exit();
}

bool MainWindowController::handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                         intptr_t& result) {
    switch (message) {
    case WM_HOTKEY:
        // The identifier arrives in the low 32 bits, -2 included.
        onHotkey(static_cast<int32_t>(static_cast<uint32_t>(wParam)));
        result = 0;
        return true;
    case WM_CLOSE:
        // exit() destroys this controller: nothing may touch it afterwards.
        onClose();
        result = 0;
        return true;
    case kSecondStartMessage:
        if (lParam == 0) {
            bringToFront();
        }
        result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace fw
