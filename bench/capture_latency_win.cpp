// Times Framewing from the PrintScreen press to the complete screenshot file,
// minus the capture delay, over a desktop-like screen. Run by
// bench/capture_latency.sh, which times ImageMagick's import on the same screen
// while this program keeps it shown (between the "ready" and "done" files).
#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/KnownFolders.h"
#include "platform/Win32.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsStore.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace fw {
namespace {

constexpr int kRuns = 7;
constexpr int32_t kDelayMs = 200;

double nowMs() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void pump(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
        ::Sleep(1);
    } while (::GetTickCount() - start < milliseconds);
}

// Text on flat panels with a photo-like gradient: what screenshots usually hold.
void paintDesktop(HDC dc, const RECT& r) {
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

LRESULT CALLBACK desktopProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        RECT client;
        ::GetClientRect(window, &client);
        paintDesktop(dc, client);
        ::EndPaint(window, &paint);
        return 0;
    }
    return message == WM_ERASEBKGND ? 1 : ::DefWindowProcW(window, message, wParam, lParam);
}

HWND showDesktop() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = desktopProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FramewingBenchDesktop";
    ::RegisterClassW(&windowClass);
    HWND window =
        ::CreateWindowExW(WS_EX_TOOLWINDOW, L"FramewingBenchDesktop", L"", WS_POPUP | WS_VISIBLE, 0,
                          0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                          nullptr, nullptr, windowClass.hInstance, nullptr);
    ::UpdateWindow(window);
    pump(500);
    return window;
}

void pressPrintScreen() {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_SNAPSHOT;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int run(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_capture_latency_win Framewing.exe marker-folder\n");
        return 2;
    }
    const WideString exe = fromWide(argv[1]);
    const WideString markers = fromWide(argv[2]);
    {
        SettingsStore store(u"config.dat", u"Framewing");
        applyDefaults(store, standardDefaults());
        store.set(keys::kCaptureDelay, SettingValue::int32(kDelayMs));
        store.save();
    }
    HWND desktop = showDesktop();
    WideString commandLine = u"\"" + exe + u"\" -autorun";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr,
                          FALSE, 0, nullptr, wide(parentFolder(exe)), &startup, &process)) {
        std::fprintf(stderr, "cannot start Framewing\n");
        return 1;
    }
    KernelHandle program(process.hProcess);
    KernelHandle thread(process.hThread);
    pump(2000);

    WideString folder;
    os::specialFolderPath(os::SpecialFolder::Desktop, folder);
    std::vector<double> latencies;
    for (int run = 1; run <= kRuns; ++run) {
        const WideString shot = joinPath(folder, u"ScreenShot-" + toWide(run) + u".png");
        const double start = nowMs();
        pressPrintScreen();
        while (!os::fileExists(shot) && nowMs() - start < 10000) {
            ::Sleep(1);
        }
        const double latency = nowMs() - start - kDelayMs;
        if (!os::fileExists(shot)) {
            std::fprintf(stderr, "no screenshot after 10 s\n");
            ::TerminateProcess(program.get(), 1);
            return 1;
        }
        latencies.push_back(latency);
        pump(700);
        if (run == kRuns) {
            uint64_t bytes = 0;
            os::fileSize(shot, bytes);
            std::printf("framewing_bytes %llu\n", static_cast<unsigned long long>(bytes));
            os::moveFile(shot, joinPath(markers, u"ours.png"));
        } else {
            os::deleteFile(shot);
        }
    }
    ::TerminateProcess(program.get(), 0);
    std::printf("framewing_ms %.1f\n", median(latencies));
    std::fflush(stdout);

    const WideString ready = joinPath(markers, u"ready");
    const WideString done = joinPath(markers, u"done");
    os::writeFile(ready, "1", 1);
    while (!os::fileExists(done)) {
        pump(20);
    }
    ::DestroyWindow(desktop);
    return 0;
}

} // namespace
} // namespace fw

int main() {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    return fw::run(argc, argv);
}
