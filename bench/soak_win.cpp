// Takes a long series of PrintScreen captures with the real program and
// reports, every 100 captures, the GDI objects and handles the program holds
// (from its own accounting in FRAMEWING_TRACE). Run by bench/soak.sh, which
// reads the program's anonymous memory at the same moments: this side writes
// "sample-<captures>" into the marker folder and waits until that side has
// renamed it "sampled-<captures>".
#include "BenchProgram_win.h"
#include "platform/KnownFolders.h"

#include <shellapi.h>

#include <cstdio>

namespace fw {
namespace {

using namespace bench;

constexpr int32_t kDelayMs = 200;
constexpr int kSampleEvery = 100;

struct TraceFigures {
    int finished = 0; // captures that reached their end
    double gdiObjects = -1;
    double handles = -1;
};

TraceFigures readFigures(const WideString& trace) {
    TraceFigures figures;
    for (const Steps& steps : readTrace(trace)) {
        if (steps.contains("history")) {
            ++figures.finished;
            figures.gdiObjects = steps.contains("gdi-objects") ? steps.at("gdi-objects") : -1;
            figures.handles = steps.contains("handles") ? steps.at("handles") : -1;
        }
    }
    return figures;
}

WideString shotPath(int shot) {
    static const WideString folder = [] {
        WideString desktop;
        os::specialFolderPath(os::SpecialFolder::Desktop, desktop);
        return desktop;
    }();
    return joinPath(folder, u"ScreenShot-" + toWide(shot) + u".png");
}

// Lets the other side read the memory figure while the program is idle.
void sample(const WideString& markers, int captures, const TraceFigures& figures) {
    const WideString asked = joinPath(markers, u"sample-" + toWide(captures));
    const WideString answered = joinPath(markers, u"sampled-" + toWide(captures));
    os::writeFile(asked, "1", 1);
    while (!os::fileExists(answered)) {
        pump(20);
    }
    os::deleteFile(answered);
    std::printf("captures %d gdi-objects %.0f handles %.0f\n", captures, figures.gdiObjects,
                figures.handles);
    std::fflush(stdout);
}

int run(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: bench_soak_win Framewing.exe marker-folder captures on|off\n");
        return 2;
    }
    const WideString exe = fromWide(argv[1]);
    const WideString markers = fromWide(argv[2]);
    const int captures = std::max(1, _wtoi(argv[3]));
    const bool history = std::wcscmp(argv[4], L"on") == 0;
    HWND desktop = showDesktop();
    const WideString trace = joinPath(markers, u"trace.txt");
    KernelHandle program;
    if (!startProgram(exe, trace, kDelayMs, history, program)) {
        return 1;
    }
    sample(markers, 0, TraceFigures{});
    for (int shot = 1; shot <= captures; ++shot) {
        const double start = nowMs();
        pressPrintScreen();
        TraceFigures figures;
        do {
            pump(20);
            figures = readFigures(trace);
            // A build without the trace: its screenshot file marks the end.
            if (!os::fileExists(trace) && os::fileExists(shotPath(shot))) {
                pump(500);
                figures.finished = shot;
            }
        } while (figures.finished < shot && nowMs() - start < 20000);
        if (figures.finished < shot) {
            std::fprintf(stderr, "capture %d did not finish within 20 s\n", shot);
            ::TerminateProcess(program.get(), 1);
            return 1;
        }
        if (shot % kSampleEvery == 0 || shot == captures) {
            sample(markers, shot, figures);
        }
    }
    ::TerminateProcess(program.get(), 0);
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
