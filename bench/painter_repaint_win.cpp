// Times one full repaint of a 1920x1080 window surface the way the toolkit
// paints it (a background fill, 200 nine-part skin frames and 200 text labels)
// against filling the same pixels with a plain loop, measured in the same run.
// bench/painter_repaint.sh runs it under Wine.
#include "ui/DibSurface_win.h"
#include "ui/SkinFrame.h"
#include "ui/TextLayout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int32_t kWidth = 1920;
constexpr int32_t kHeight = 1080;
constexpr int kRuns = 100;

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A button-like skin: a 60x30 frame with a soft rounded border and a gradient,
// sliced 8/44/8 by 8/14/8, drawn by the painter itself into a premultiplied sheet.
fw::Skin buttonSkin() {
    fw::Image sheet(true, 60, 30);
    sheet.setPremultiplied(true);
    {
        fw::UIPainter painter(fw::PixelSurface::of(sheet), nullptr);
        painter.fillRoundedRect({0, 0, 60, 30}, 6, 0xC0303848);
        painter.fillGradient({2, 2, 56, 26}, {0xFF4A5468, 0xFF2C3240});
        painter.drawRoundedRect({0, 0, 60, 30}, 6, 0x80FFFFFF, 1);
    }
    fw::SkinDescription d;
    d.name = u"UIButton_Background";
    d.count = 1;
    d.frameWidth = 60;
    d.frameHeight = 30;
    d.slices = {8, 44, 8, 8, 14, 8};
    return fw::Skin(d, sheet);
}

struct Scene {
    fw::Skin skin = buttonSkin();
    fw::FontSpec font = fw::defaultFont().withSize(9.0f);
    std::vector<std::u16string> labels;
    Scene() {
        for (int i = 0; i < 200; ++i) {
            std::string text = "Screenshot " + std::to_string(1000 + i) + " saved";
            labels.emplace_back(text.begin(), text.end());
        }
    }
};

// Cell i of a 10 x 20 grid of 192 x 54 cells.
fw::Rect cell(int i) {
    return fw::Rect{(i % 10) * 192 + 8, (i / 10) * 54 + 6, 176, 42};
}

struct Times {
    double fill = 0, skins = 0, text = 0;
    double total() const { return fill + skins + text; }
};

Times repaint(const Scene& scene, fw::DibSurface& dib) {
    Times t;
    fw::UIPainter painter(dib.surface(), dib.dc());
    Clock::time_point start = Clock::now();
    painter.fillRect({0, 0, kWidth, kHeight}, 0xFF1E2128);
    t.fill = milliseconds(start);
    start = Clock::now();
    for (int i = 0; i < 200; ++i) {
        fw::drawSkinFrame(painter, scene.skin, 0, cell(i), fw::kAllSkinParts);
    }
    t.skins = milliseconds(start);
    start = Clock::now();
    for (int i = 0; i < 200; ++i) {
        painter.drawText(cell(i), scene.labels[static_cast<size_t>(i)], scene.font, 0xFFE8E8E8,
                         uint32_t{fw::AlignCenter} | fw::TextEllipsis);
    }
    t.text = milliseconds(start);
    return t;
}

// The same labels drawn by GDI alone, without the painter's alpha care: what
// the painter adds to the platform's own text cost.
double bareText(const Scene& scene, fw::DibSurface& dib) {
    HDC dc = dib.dc();
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, static_cast<HGDIOBJ>(fw::platformFont(scene.font, 96)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0xE8, 0xE8, 0xE8));
    Clock::time_point start = Clock::now();
    for (int i = 0; i < 200; ++i) {
        RECT box = fw::toRECT(cell(i));
        const std::u16string& label = scene.labels[static_cast<size_t>(i)];
        ::DrawTextW(dc, reinterpret_cast<const wchar_t*>(label.data()),
                    static_cast<int>(label.size()), &box,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    ::GdiFlush();
    const double elapsed = milliseconds(start);
    ::RestoreDC(dc, saved);
    return elapsed;
}

// The least a repaint must do: write every pixel of the surface once.
double plainFill(fw::DibSurface& dib) {
    const fw::PixelSurface s = dib.surface();
    Clock::time_point start = Clock::now();
    for (int32_t y = 0; y < s.height; ++y) {
        std::fill(s.row(y), s.row(y) + s.width, 0xFF1E2128u);
    }
    return milliseconds(start);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double least(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main() {
    fw::DibSurface dib;
    if (!dib.ensure(kWidth, kHeight)) {
        std::fprintf(stderr, "no surface\n");
        return 1;
    }
    Scene scene;
    repaint(scene, dib); // fonts made, pages touched
    std::vector<double> totals, fills, skins, texts, references, gdiTexts;
    for (int run = 0; run < kRuns; ++run) {
        Times t = repaint(scene, dib);
        totals.push_back(t.total());
        fills.push_back(t.fill);
        skins.push_back(t.skins);
        texts.push_back(t.text);
        references.push_back(plainFill(dib));
        gdiTexts.push_back(bareText(scene, dib));
    }
    const double reference = median(references);
    std::printf("repaint %dx%d, median of %d: background %.2f ms, 200 skin frames %.2f ms, "
                "200 texts %.2f ms\n",
                kWidth, kHeight, kRuns, median(fills), median(skins), median(texts));
    std::printf("the same 200 texts through GDI alone %.2f ms\n", median(gdiTexts));
    // On a shared machine the least time is the one least disturbed.
    std::printf("repaint %.2f ms (least %.2f), plain fill %.2f ms (least %.2f), ratio %.1f "
                "(least to least %.1f)\n",
                median(totals), least(totals), reference, least(references),
                median(totals) / reference, least(totals) / least(references));
    return 0;
}
