// Monitors and desktop state.
#include "capture/Screen_win.h"

#include "platform/Handles_win.h"

namespace fw::os {

namespace {

BOOL CALLBACK collectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* monitors = reinterpret_cast<std::vector<MONITORINFO>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info)) {
        monitors->push_back(info);
    }
    return TRUE;
}

std::vector<MONITORINFO> monitorInfos() {
    std::vector<MONITORINFO> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, collectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Rect rectOfMonitor(HMONITOR monitor, bool useWorkArea) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !::GetMonitorInfoW(monitor, &info)) {
        return Rect{};
    }
    return fromRECT(useWorkArea ? info.rcWork : info.rcMonitor);
}

} // namespace

bool inputDesktopInaccessible() {
    DesktopHandle desktop(::OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
    return !desktop.valid();
}

Point cursorPosition() {
    POINT point{};
    if (inputDesktopInaccessible() || !::GetCursorPos(&point)) {
        return Point{};
    }
    return Point{point.x, point.y};
}

int32_t monitorCount() {
    return ::GetSystemMetrics(SM_CMONITORS);
}

std::vector<Rect> monitorRects(bool useWorkArea) {
    std::vector<Rect> rects;
    for (const MONITORINFO& info : monitorInfos()) {
        rects.push_back(fromRECT(useWorkArea ? info.rcWork : info.rcMonitor));
    }
    return rects;
}

Rect virtualScreenRect() {
    Rect box;
    for (const Rect& monitor : monitorRects(false)) {
        box = unite(box, monitor);
    }
    return box;
}

Rect primaryWorkArea() {
    for (const MONITORINFO& info : monitorInfos()) {
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
            return fromRECT(info.rcWork);
        }
    }
    return Rect{};
}

Rect monitorOfWindow(void* window) {
    return rectOfMonitor(::MonitorFromWindow(static_cast<HWND>(window), MONITOR_DEFAULTTONULL),
                         false);
}

Rect monitorOfPoint(Point point, bool useWorkArea) {
    return rectOfMonitor(::MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONULL),
                         useWorkArea);
}

double horizontalResolution() {
    WindowDc screen(nullptr);
    return screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 96.0;
}

} // namespace fw::os
