// Times the repaint of a 1920x1080 window holding a 1000-item icon-mode list
// styled as the screenshot list, after each one-notch wheel scroll, against one
// full-window blit of the same size measured in the same run.
// bench/list_repaint.sh runs it under Wine.
#include "platform/Handles_win.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "shell/ScreenshotList.h"
#include "ui/DibSurface_win.h"
#include "ui/UIList.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr int32_t kItems = 1000;
constexpr int32_t kRounds = 60;

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The program folder beside this bench: build/<preset>/dist.
fw::WideString distFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    fw::WideString exe = fw::fromWide(path);
    exe = exe.substr(0, exe.rfind(u'\\'));
    return exe.substr(0, exe.rfind(u'\\')) + u"\\dist";
}

// A thumbnail of a made-up screenshot, 180 pixels wide as the history keeps them.
fw::Image thumbnail(int32_t seed) {
    const int32_t height = 70 + seed % 5 * 20;
    fw::Image image(true, 180, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < 180; ++x) {
            uint8_t* p = image.pixel(x, y);
            const bool title = y < 12;
            p[0] = static_cast<uint8_t>(title ? 200 : (x * 3 + seed * 40) & 0xFF);
            p[1] = static_cast<uint8_t>(title ? 120 : (y * 2 + seed * 20) & 0xFF);
            p[2] = static_cast<uint8_t>(title ? 60 : 90);
            p[3] = 255;
        }
    }
    return image;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    const fw::WideString dist = distFolder();
    if (!fw::loadStyleResources(u"default", dist, fw::decodePng)) {
        std::fprintf(stderr, "no style in %s\n", fw::toUtf8(dist).c_str());
        return 1;
    }
    fw::dataPacks().mount(u"data", dist);

    fw::UIWindow window;
    window.setWindowDpi(96);
    window.setGeometry(fw::Rect{0, 0, kWidth, kHeight});
    auto* list = window.add<fw::UIList>();
    fw::applyScreenshotListLook(*list);
    std::vector<fw::Image> pictures;
    for (int32_t i = 0; i < 7; ++i) {
        pictures.push_back(thumbnail(i));
    }
    for (int32_t i = 0; i < kItems; ++i) {
        fw::UIListItem* item =
            list->addItem(u"ScreenShot-" + fw::toWidePadded(i + 1, 4),
                          i < 10 ? u"Today" : u"03 March 2025", pictures[i % pictures.size()]);
        item->setToolTip(u"File name: ScreenShot-" + fw::toWidePadded(i + 1, 4));
    }
    list->setGeometry(fw::Rect{0, 0, kWidth, kHeight});
    list->setFocus();
    list->setSelectedIndex(3);
    // Every notch jumps, so that each repaint shows a new scroll position.
    list->verticalScrollBar()->setSmoothScrolling(false);

    fw::DibSurface target;
    fw::DibSurface copy;
    if (!target.ensure(kWidth, kHeight) || !copy.ensure(kWidth, kHeight)) {
        std::fprintf(stderr, "no surface\n");
        return 1;
    }
    const fw::Rect all{0, 0, kWidth, kHeight};
    auto repaint = [&] {
        fw::UIPainter painter(target.surface(), target.dc(), 96);
        window.paintTree(painter, all);
        ::GdiFlush();
    };
    repaint();
    std::vector<double> repaints;
    std::vector<double> blits;
    const fw::Point middle{kWidth / 2, kHeight / 2};
    for (int32_t round = 0; round < kRounds; ++round) {
        // Down through fresh rows for the first half, back up for the second.
        window.dispatchWheel(middle, round < kRounds / 2 ? -120 : 120, true, 0);
        Clock::time_point start = Clock::now();
        repaint();
        repaints.push_back(milliseconds(start));
        start = Clock::now();
        ::BitBlt(copy.dc(), 0, 0, kWidth, kHeight, target.dc(), 0, 0, SRCCOPY);
        ::GdiFlush();
        blits.push_back(milliseconds(start));
    }
    const fw::ListGeometry::Range shown = list->visibleRange();
    std::printf("list of %d items in icon mode, %dx%d, %d items in view, %d columns\n", kItems,
                kWidth, kHeight, shown.end - shown.first, list->geometry().columns());
    const double paint = median(repaints);
    const double blit = median(blits);
    std::printf("repaint after one wheel notch: median %.2f ms (worst %.2f ms), "
                "full-window blit %.2f ms, ratio %.1f; goal under 8 ms\n",
                paint, *std::max_element(repaints.begin(), repaints.end()), blit, paint / blit);
    return 0;
}
