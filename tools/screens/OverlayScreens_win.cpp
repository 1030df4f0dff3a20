// The selection overlay over a made-up desktop: the window highlight with its
// info box, and a region being dragged with the magnifier.
#include "Screens.h"

#include "capture/ImageOps.h"
#include "overlay/UIOverlay.h"
#include "platform/SystemInfo.h"
#include "resources/PackImages.h"
#include "ui/ScaledArt.h"

#include <algorithm>

namespace fw::screens {

namespace {

void fillPixels(Image& image, const Rect& r, uint32_t colour) {
    const Rect inside = intersect(r, Rect{0, 0, image.width(), image.height()});
    for (int32_t y = inside.y; y < inside.bottom(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.row(y));
        std::fill(row + inside.x, row + inside.right(), colour | 0xFF000000u);
    }
}

// A desktop with a gradient, two windows with title bars and lines of "text",
// so that the dimming, the highlight and the magnified pixels show.
Image madeUpDesktop(Size size, int32_t dpi) {
    Image image(true, size.width, size.height);
    for (int32_t y = 0; y < size.height; ++y) {
        const uint32_t blue = 120 + 100 * y / std::max(1, size.height);
        fillPixels(image, Rect{0, y, size.width, 1}, 0x1E3C00u | blue);
    }
    auto px = [dpi](int32_t v) { return scaleLength(v, dpi); };
    const Rect windows[] = {{px(60), px(50), px(420), px(300)},
                            {px(380), px(200), px(420), px(280)}};
    for (const Rect& w : windows) {
        fillPixels(image, w, 0xF0F0F0);
        fillPixels(image, Rect{w.x, w.y, w.width, px(28)}, 0x2B2B2B);
        for (int32_t line = 0; line < 8; ++line) {
            const int32_t length = w.width - px(40) - (line * 37 % 5) * px(30);
            fillPixels(image, Rect{w.x + px(20), w.y + px(50) + line * px(24), length, px(8)},
                       line % 3 == 0 ? 0x3DA5F4 : 0x606060);
        }
    }
    return image;
}

// Answers as the pipeline would, with one window under the whole right part.
class SampleHost : public OverlayHost {
public:
    explicit SampleHost(Rect window) : window_(window) {}
    void overlayAccepted(const OverlayChoice&) override {}
    void overlayCancelled() override {}
    void zoomSettingChanged(int32_t) override {}
    Point cursorPosition() override { return cursor; }
    void moveCursor(Point screen) override { cursor = screen; }
    WindowPick pickWindow(Point screen, bool, WindowId) override {
        WindowPick pick;
        if (window_.contains(screen.x, screen.y)) {
            pick.window = this;
            pick.windowRect = pick.captureRect = window_;
            pick.icon = normalizedWindowIcon(windowIcons().big);
        }
        return pick;
    }
    Point cursor;

private:
    Rect window_;
};

Rect scaled(Rect r, int32_t dpi) {
    return Rect{scaleLength(r.x, dpi), scaleLength(r.y, dpi), scaleLength(r.width, dpi),
                scaleLength(r.height, dpi)};
}

Point scaled(Point p, int32_t dpi) {
    return Point{scaleLength(p.x, dpi), scaleLength(p.y, dpi)};
}

// The host lives before the overlay that keeps a reference to it.
struct HostHolder {
    explicit HostHolder(int32_t dpi) : host(scaled(Rect{380, 200, 420, 280}, dpi)) {}
    SampleHost host;
};

class SampleOverlay : private HostHolder, public UIOverlay {
public:
    SampleOverlay(OverlayMode mode, int32_t dpi) : HostHolder(dpi), UIOverlay(host) {
        const Size size{scaleLength(900, dpi), scaleLength(560, dpi)};
        OverlaySession session;
        session.mode = mode;
        session.frozen = madeUpDesktop(size, dpi);
        session.dimmed = dimmed(session.frozen);
        session.screen = Rect{0, 0, size.width, size.height};
        session.monitors = {session.screen};
        session.magnifierSizeSetting = 1;
        session.zoomSetting = 10;
        host.cursor = scaled(mode == OverlayMode::Window ? Point{560, 300} : Point{250, 160}, dpi);
        open(std::move(session));
        if (mode == OverlayMode::Region) {
            const Point from = scaled(Point{470, 330}, dpi);
            dispatchMouse(NativeMouseKind::Press, from, MouseLeft, MouseLeft, 0);
            dispatchMouse(NativeMouseKind::Move, host.cursor, 0, MouseLeft, 0);
        }
    }
};

std::unique_ptr<UIWindow> windowHighlight() {
    return std::make_unique<SampleOverlay>(OverlayMode::Window, os::screenDpi());
}

std::unique_ptr<UIWindow> regionWithMagnifier() {
    return std::make_unique<SampleOverlay>(OverlayMode::Region, os::screenDpi());
}

const ScreenRegistration windowScreen(u"overlay-window", windowHighlight);
const ScreenRegistration regionScreen(u"overlay-region", regionWithMagnifier);

} // namespace
} // namespace fw::screens
