// Times the start of Framewing to its main window on screen, against a trivial
// Win32 program that opens one window, both started the same way in the same
// run. Framewing shows its window after a deferred step of 128 to 256 ms that
// it draws at random; it reports the delay it drew, which is subtracted, so
// that what remains beyond the trivial program is the program's own work.
// Run by bench/startup.sh.
#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace fw {
namespace {

constexpr int kRuns = 9;
constexpr wchar_t kTrivialTitle[] = L"Trivial";

double nowMs() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

LRESULT CALLBACK trivialProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// The reference: one window, shown and painted, then the message loop.
int runTrivial() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = trivialProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH));
    windowClass.lpszClassName = L"TrivialWindow";
    ::RegisterClassW(&windowClass);
    HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, kTrivialTitle, WS_OVERLAPPEDWINDOW, 100,
                          100, 640, 560, nullptr, nullptr, windowClass.hInstance, nullptr);
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}

struct Search {
    DWORD process;
    const wchar_t* title;
    bool found;
};

BOOL CALLBACK matchShownWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t text[64] = {};
    ::GetWindowTextW(window, text, 63);
    if (owner == search->process && ::IsWindowVisible(window) && wcscmp(text, search->title) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool windowShown(DWORD process, const wchar_t* title) {
    Search search{process, title, false};
    ::EnumWindows(matchShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds from the process start to its window on screen; -1 on failure.
double timeToWindow(const WideString& commandLine, const WideString& folder, const wchar_t* title) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double start = nowMs();
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, wide(folder),
                          &startup, &process)) {
        return -1;
    }
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);
    double shown = -1;
    while (nowMs() - start < 10000) {
        if (windowShown(process.dwProcessId, title)) {
            shown = nowMs() - start;
            break;
        }
        ::Sleep(1);
    }
    // Ended without its exit: nothing of the run is saved.
    ::TerminateProcess(processHandle.get(), 0);
    ::WaitForSingleObject(processHandle.get(), 10000);
    return shown;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int run(const WideString& framewing, const WideString& self) {
    const WideString reportFile = joinPath(parentFolder(self), u"startup-delay.txt");
    ::SetEnvironmentVariableW(L"FW_STARTUP_DELAY_FILE", wide(reportFile));
    const WideString trivialLine = u"\"" + self + u"\" --trivial";
    const WideString framewingLine = u"\"" + framewing + u"\"";
    std::vector<double> trivial, total, own;
    // The first start of each writes settings and warms the caches: not counted.
    for (int i = 0; i <= kRuns; ++i) {
        const double reference = timeToWindow(trivialLine, parentFolder(self), kTrivialTitle);
        os::deleteFile(reportFile);
        const double program = timeToWindow(framewingLine, parentFolder(framewing), L"Framewing");
        Bytes report;
        if (reference < 0 || program < 0 || !os::readFile(reportFile, report)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        const double delay = std::atof(std::string(report.begin(), report.end()).c_str());
        if (i > 0) {
            trivial.push_back(reference);
            total.push_back(program);
            own.push_back(program - delay - reference);
        }
    }
    std::printf("trivial_ms %.1f\nframewing_ms %.1f\nown_work_ms %.1f\n", median(trivial),
                median(total), median(own));
    return 0;
}

} // namespace
} // namespace fw

int main() {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (count >= 2 && wcscmp(arguments[1], L"--trivial") == 0) {
        return fw::runTrivial();
    }
    if (count < 2) {
        std::fprintf(stderr, "usage: bench_startup_win <Framewing.exe>\n");
        return 2;
    }
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fw::run(fw::fromWide(arguments[1]), fw::fromWide(self));
}
