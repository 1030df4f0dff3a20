#include "platform/Win32.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"

namespace fw {

void MainWindowController::installPlatformHooks() {
    window_->nativeWindow().setMessageHook(
        [this](uint32_t message, uintptr_t wParam, intptr_t, intptr_t& result) {
            if (message == WM_HOTKEY) {
                // The identifier arrives in the low 32 bits, -2 included.
                onHotkey(static_cast<int32_t>(static_cast<uint32_t>(wParam)));
                result = 0;
                return true;
            }
            if (message == WM_SIZE && wParam == SIZE_MINIMIZED) {
                // Every way of minimizing ends here: the caption button, the
                // taskbar, the system menu, Windows+M.
                later([this] { onMinimized(); });
            }
            return false;
        });
}

void MainWindowController::paintNow() {
    ::UpdateWindow(static_cast<HWND>(windowHandle()));
}

Rect MainWindowController::restoredFrameRect() const {
    HWND window = static_cast<HWND>(windowHandle());
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!window || !::GetWindowPlacement(window, &placement)) {
        return Rect{};
    }
    if (!::IsIconic(window) && !::IsZoomed(window)) {
        RECT frame{};
        ::GetWindowRect(window, &frame);
        return fromRECT(frame);
    }
    // The normal place is kept in work-area coordinates, which begin where the
    // taskbar ends when it is at the top or the left of the primary monitor.
    Rect normal = fromRECT(placement.rcNormalPosition);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        normal.x += monitor.rcWork.left - monitor.rcMonitor.left;
        normal.y += monitor.rcWork.top - monitor.rcMonitor.top;
    }
    return normal;
}

} // namespace fw
