#pragma once
// What the Wine benchmarks that drive the real program share: a desktop-like
// screen behind it, the PrintScreen key, a message pump, starting the program
// with its settings and its trace, and reading that trace back.
#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace fw::bench {

// Milliseconds on the performance counter, the clock of FRAMEWING_TRACE.
inline double nowMs() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline void pump(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        ::Sleep(1);
    } while (::GetTickCount() - start < milliseconds);
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Text on flat panels with a photo-like gradient: what screenshots usually hold.
inline void paintDesktop(HDC dc, const RECT& r) {
    GdiObjectHandle white(::CreateSolidBrush(RGB(250, 250, 250)));
    ::FillRect(dc, &r, static_cast<HBRUSH>(white.get()));
    GdiObjectHandle bar(::CreateSolidBrush(RGB(45, 52, 64)));
    RECT top{0, 0, r.right, 48};
    ::FillRect(dc, &top, static_cast<HBRUSH>(bar.get()));
    GdiObjectHandle side(::CreateSolidBrush(RGB(232, 236, 241)));
    RECT left{0, 48, 320, r.bottom};
    ::FillRect(dc, &left, static_cast<HBRUSH>(side.get()));
    for (int y = 600; y < 1000; ++y) {
        for (int x = 1300; x < 1860; x += 2) {
            ::SetPixelV(dc, x, y, RGB((x * 7 + y) & 255, (y * 3) & 255, ((x ^ y) * 5) & 255));
            ::SetPixelV(dc, x + 1, y, RGB((x * 7 + y) & 255, (y * 3) & 255, (x * 2) & 255));
        }
    }
    ::SetBkMode(dc, TRANSPARENT);
    const wchar_t line[] = L"The quick brown fox jumps over the lazy dog 0123456789 "
                           L"Framewing capture latency benchmark";
    for (int y = 70; y < r.bottom - 20; y += 18) {
        ::SetTextColor(dc, y % 90 == 0 ? RGB(20, 90, 200) : RGB(30, 30, 30));
        ::TextOutW(dc, 340, y, line, static_cast<int>(wcslen(line)) - (y / 18) % 30);
        ::TextOutW(dc, 12, y, line, 18);
    }
}

// Painted once: repainting what the program's hidden window uncovers must not
// take the processor from the program while it is being timed.
struct DesktopPicture {
    MemoryDc dc;
    BitmapHandle bitmap;
};

inline DesktopPicture& desktopPicture() {
    static DesktopPicture picture;
    return picture;
}

inline LRESULT CALLBACK desktopProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        const RECT& r = paint.rcPaint;
        ::BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, desktopPicture().dc.get(),
                 r.left, r.top, SRCCOPY);
        ::EndPaint(window, &paint);
        return 0;
    }
    return message == WM_ERASEBKGND ? 1 : ::DefWindowProcW(window, message, wParam, lParam);
}

inline HWND showDesktop() {
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    DesktopPicture& picture = desktopPicture();
    {
        WindowDc dc(nullptr);
        picture.dc.reset(::CreateCompatibleDC(dc.get()));
        picture.bitmap.reset(::CreateCompatibleBitmap(dc.get(), screen.right, screen.bottom));
    }
    ::SelectObject(picture.dc.get(), picture.bitmap.get());
    paintDesktop(picture.dc.get(), screen);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = desktopProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FramewingBenchDesktop";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"FramewingBenchDesktop", L"",
                                    WS_POPUP | WS_VISIBLE, 0, 0, screen.right, screen.bottom,
                                    nullptr, nullptr, windowClass.hInstance, nullptr);
    ::UpdateWindow(window);
    pump(500);
    return window;
}

inline void pressPrintScreen() {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SNAPSHOT;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// One capture's steps from the trace: step name to the time it ended.
using Steps = std::map<std::string, double>;

inline std::vector<Steps> readTrace(const WideString& path) {
    Bytes bytes;
    os::readFile(path, bytes);
    std::vector<Steps> captures;
    std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        char name[64] = {};
        double value = 0;
        if (std::sscanf(text.substr(start, end - start).c_str(), "%63s %lf", name, &value) == 2) {
            if (std::strcmp(name, "trigger") == 0) {
                captures.emplace_back();
            }
            if (!captures.empty()) {
                captures.back()[name] = value;
            }
        }
        start = end + 1;
    }
    return captures;
}

inline int finishedCaptures(const WideString& trace) {
    int finished = 0;
    for (const Steps& steps : readTrace(trace)) {
        finished += steps.contains("history") ? 1 : 0;
    }
    return finished;
}

// Writes config.dat with the given capture delay and history setting, then
// starts the program with its main window shown (so that hiding and showing it
// are part of every capture) and its trace going to `trace`.
inline bool startProgram(const WideString& exe, const WideString& trace, int32_t delayMs,
                         bool history, KernelHandle& process) {
    {
        SettingsStore store(u"config.dat", u"Framewing");
        applyDefaults(store, standardDefaults());
        store.set(keys::kCaptureDelay, SettingValue::int32(delayMs));
        store.set(keys::kHistoryEnable, SettingValue::boolean(history));
        if (::GetEnvironmentVariableW(L"FW_SOAK_QUIET", nullptr, 0))
            store.set(keys::kPlaySound, SettingValue::boolean(false));
        store.save();
    }
    ::SetEnvironmentVariableW(L"FRAMEWING_TRACE", wide(trace));
    WideString commandLine = u"\"" + exe + u"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr,
                          FALSE, 0, nullptr, wide(parentFolder(exe)), &startup, &info)) {
        std::fprintf(stderr, "cannot start Framewing\n");
        return false;
    }
    process.reset(info.hProcess);
    KernelHandle thread(info.hThread);
    // Its hotkeys are registered by the time its main window shows.
    const double start = nowMs();
    HWND main = nullptr;
    while (!(main && ::IsWindowVisible(main)) && nowMs() - start < 60000) {
        pump(50);
        main = ::FindWindowW(L"UUI___MainWindow", nullptr);
    }
    if (!main) {
        std::fprintf(stderr, "Framewing showed no main window\n");
        return false;
    }
    pump(500);
    return true;
}

} // namespace fw::bench
