// Times Framewing from the PrintScreen press to the complete screenshot file,
// minus the capture delay, over a desktop-like screen, and prints where the
// time goes from the program's own trace (FRAMEWING_TRACE). Run by
// bench/capture_latency.sh, which times ImageMagick's import on the same screen
// while this program keeps it shown (between the "ready" and "done" files).
#include "BenchProgram_win.h"
#include "platform/KnownFolders.h"

#include <shellapi.h>

#include <cstdio>
#include <vector>

namespace fw {
namespace {

using namespace bench;

constexpr int kRuns = 7;
constexpr int32_t kDelayMs = 200;

// The median time between two steps (or the press and a step) over the runs.
void printBreakdown(const std::vector<Steps>& captures, const std::vector<double>& presses) {
    struct Phase {
        const char* label;
        const char* from; // null: the key press
        const char* to;
    };
    const Phase phases[] = {
        {"key press to trigger", nullptr, "trigger"},
        {"trigger to main window hidden", "trigger", "hide"},
        {"capture delay as waited", "hide", "delay"},
        {"cursor", "delay", "cursor"},
        {"grab", "cursor", "grab"},
        {"sound", "grab", "sound"},
        {"name", "sound", "name"},
        {"encode", "name", "encode"},
        {"write", "encode", "write"},
        {"history entry and thumbnail", "write", "saved"},
        {"main window shown again", "saved", "show"},
        {"history file saved", "show", "history"},
    };
    std::printf("breakdown (median ms of %zu captures):\n", captures.size());
    for (const Phase& phase : phases) {
        std::vector<double> spans;
        for (size_t i = 0; i < captures.size() && i < presses.size(); ++i) {
            const Steps& steps = captures[i];
            auto to = steps.find(phase.to);
            auto from = phase.from ? steps.find(phase.from) : steps.end();
            if (to != steps.end() && (!phase.from || from != steps.end())) {
                spans.push_back(to->second - (phase.from ? from->second : presses[i]));
            }
        }
        std::printf("  %-32s %7.1f\n", phase.label, median(spans));
    }
}

int run(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_capture_latency_win Framewing.exe marker-folder\n");
        return 2;
    }
    const WideString exe = fromWide(argv[1]);
    const WideString markers = fromWide(argv[2]);
    HWND desktop = showDesktop();
    const WideString trace = joinPath(markers, u"trace.txt");
    KernelHandle program;
    if (!startProgram(exe, trace, kDelayMs, true, program)) {
        return 1;
    }

    WideString folder;
    os::specialFolderPath(os::SpecialFolder::Desktop, folder);
    std::vector<double> latencies;
    std::vector<double> presses;
    for (int run = 1; run <= kRuns; ++run) {
        const WideString shot = joinPath(folder, u"ScreenShot-" + toWide(run) + u".png");
        const double start = nowMs();
        presses.push_back(start);
        pressPrintScreen();
        // The desktop window repaints what the hidden main window uncovers.
        while (!os::fileExists(shot) && nowMs() - start < 10000) {
            pump(1);
        }
        const double latency = nowMs() - start - kDelayMs;
        if (!os::fileExists(shot)) {
            std::fprintf(stderr, "no screenshot after 10 s\n");
            ::TerminateProcess(program.get(), 1);
            return 1;
        }
        latencies.push_back(latency);
        // The next press counts only once this capture has ended.
        while (os::fileExists(trace) && finishedCaptures(trace) < run && nowMs() - start < 20000) {
            pump(20);
        }
        pump(os::fileExists(trace) ? 300 : 1000);
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
    printBreakdown(readTrace(trace), presses);
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
