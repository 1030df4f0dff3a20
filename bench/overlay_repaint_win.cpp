// Times the region overlay's repaint for one mouse move of a drag on a
// 1920x1080 screen, magnifier included, against one blit of the whole screen
// to the same window measured in the same run. bench/overlay_repaint.sh runs
// it under Wine on a private 1920x1080 display.
#include "capture/ImageOps.h"
#include "overlay/UIOverlay.h"
#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/DibSurface_win.h"
#include "ui/EventLoop.h"
#include "ui/UIPainter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct QuietHost : fw::OverlayHost {
    void overlayAccepted(const fw::OverlayChoice&) override {}
    void overlayCancelled() override {}
    void zoomSettingChanged(int32_t) override {}
    fw::Point cursorPosition() override { return fw::Point{300, 200}; }
    void moveCursor(fw::Point) override {}
    fw::WindowPick pickWindow(fw::Point, bool, fw::WindowId) override { return {}; }
};

// Something to look at: stripes of changing colour.
fw::Image desktop(int32_t width, int32_t height) {
    fw::Image image(true, width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<uint8_t>(x * 3 + y);
            p[1] = static_cast<uint8_t>((x / 16) * 40);
            p[2] = static_cast<uint8_t>(y / 5);
            p[3] = 255;
        }
    }
    return image;
}

// Waits until what was drawn on the window is on the screen. Wine draws into
// a copy of the window in memory and sends it to the X server when the
// thread looks for messages; reading a pixel of the screen is a round trip
// to the server that ends after everything sent before it.
void settle(HWND) {
    ::GdiFlush();
    MSG message;
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    fw::WindowDc screen(nullptr);
    ::GetPixel(screen.get(), 0, 0);
}

fw::WideString distFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const fw::WideString bench = fw::parentFolder(fw::fromWide(path));
    return fw::joinPath(fw::parentFolder(bench), u"dist");
}

} // namespace

int main() {
    const fw::WideString dist = distFolder();
    if (!fw::dataPacks().mount(u"data", dist) ||
        !fw::loadStyleResources(u"default", dist, fw::decodePng)) {
        std::fprintf(stderr, "overlay_repaint: no program in %s\n", fw::toUtf8(dist).c_str());
        return 1;
    }
    const fw::Rect screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    QuietHost host;
    fw::UIOverlay overlay(host);
    fw::OverlaySession session;
    session.mode = fw::OverlayMode::Region;
    session.frozen = desktop(screen.width, screen.height);
    session.dimmed = fw::dimmed(session.frozen);
    session.screen = screen;
    session.monitors = {screen};
    overlay.open(session);
    HWND window = static_cast<HWND>(overlay.nativeWindow().handle());
    ::UpdateWindow(window);
    fw::eventLoop().processPendingEvents();
    settle(window);

    // The reference, the whole screen blitted once to the same window, is
    // timed between the moves so that both see the same load on the machine.
    fw::DibSurface pixels;
    pixels.ensure(screen.width, screen.height);
    pixels.clear(0xFF336699u);
    auto blitWholeScreen = [&] {
        const Clock::time_point start = Clock::now();
        {
            fw::WindowDc dc(window);
            ::BitBlt(dc.get(), 0, 0, screen.width, screen.height, pixels.dc(), 0, 0, SRCCOPY);
        }
        settle(window);
        return milliseconds(start);
    };
    overlay.dispatchMouse(fw::NativeMouseKind::Press, fw::Point{300, 200}, fw::MouseLeft,
                          fw::MouseLeft, 0);
    ::UpdateWindow(window);
    settle(window);
    std::vector<double> moves;
    std::vector<double> blits;
    for (int i = 1; i <= 300; ++i) {
        // A drag towards the bottom right: selection, cross-hair and info box all move.
        const fw::Point at{300 + i * 4, 200 + i * 2};
        const Clock::time_point start = Clock::now();
        overlay.dispatchMouse(fw::NativeMouseKind::Move, at, 0, fw::MouseLeft, 0);
        ::UpdateWindow(window);
        settle(window);
        moves.push_back(milliseconds(start));
        blits.push_back(blitWholeScreen());
    }
    // The painting alone, into memory, of the whole overlay.
    std::vector<double> painting;
    for (int i = 0; i < 30; ++i) {
        const Clock::time_point start = Clock::now();
        fw::UIPainter painter(pixels.surface(), pixels.dc(), 96);
        overlay.paintTree(painter, fw::Rect{0, 0, screen.width, screen.height});
        painting.push_back(milliseconds(start));
    }
    std::vector<double> full;
    for (int i = 0; i < 30; ++i) {
        const Clock::time_point start = Clock::now();
        overlay.invalidateAll();
        ::UpdateWindow(window);
        settle(window);
        full.push_back(milliseconds(start));
    }
    overlay.dismiss();

    const double move = median(moves);
    const double blit = median(blits);
    std::sort(moves.begin(), moves.end());
    std::printf("screen %dx%d, medians over %zu moves\n", screen.width, screen.height,
                moves.size());
    std::printf("repaint per move %.2f ms (9 in 10 below %.2f), full-screen blit %.2f ms, "
                "ratio %.2f\n",
                move, moves[moves.size() * 9 / 10], blit, move / blit);
    std::printf("whole overlay repainted %.2f ms (painting alone %.2f), ratio %.2f\n", median(full),
                median(painting), median(full) / blit);
    return 0;
}
