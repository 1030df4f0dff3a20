#include "overlay/UIOverlay.h"

#include "ui/Offscreen.h"
#include "ui/TimerService.h"
#include "ui/UIEvent.h"
#include "ui/UIPainter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace fw {
namespace {

constexpr Rect kScreen{-300, 0, 400, 300}; // a virtual screen left of the origin

// Opaque pixels that tell their position: blue x, green y.
Image patternImage() {
    Image image(true, kScreen.width, kScreen.height);
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<uint8_t>(x);
            p[1] = static_cast<uint8_t>(y);
            p[2] = 7;
            p[3] = 255;
        }
    }
    return image;
}

uint32_t at(const Image& image, int32_t x, int32_t y) {
    const uint8_t* p = image.pixel(x, y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

uint32_t opaque(int32_t x, int32_t y) {
    return 0xFF070000u | uint32_t(y & 255) << 8 | uint32_t(x & 255);
}

// Records what the overlay hands back; the cursor moves as the overlay asks.
struct FakeHost : OverlayHost {
    std::vector<std::string> log;
    std::optional<OverlayChoice> chosen;
    Point cursor{-200, 100};
    std::vector<std::pair<Rect, WindowPick>> windows; // screen rectangles, top first
    UIOverlay* overlay = nullptr;

    void overlayAccepted(const OverlayChoice& choice) override {
        chosen = choice;
        log.push_back("accept");
        overlay->dismiss();
    }
    void overlayCancelled() override {
        log.push_back("cancel");
        overlay->dismiss();
    }
    void zoomSettingChanged(int32_t setting) override {
        log.push_back("zoom " + std::to_string(setting));
    }
    Point cursorPosition() override { return cursor; }
    void moveCursor(Point screen) override { cursor = screen; }
    WindowPick pickWindow(Point screen, bool, WindowId) override {
        for (const auto& [r, pick] : windows) {
            if (r.contains(screen.x, screen.y)) {
                return pick;
            }
        }
        return WindowPick{};
    }
};

// Keeps the areas the overlay asks to have painted again.
struct RecordingOverlay : UIOverlay {
    using UIOverlay::UIOverlay;
    std::vector<Rect> repainted;
    void repaint(const Rect& area) override {
        repainted.push_back(area);
        UIOverlay::repaint(area);
    }
};

struct Fixture {
    explicit Fixture(OverlayMode mode, int32_t dpi = 96) : dpi(dpi), overlay(host) {
        host.overlay = &overlay;
        session.mode = mode;
        session.frozen = patternImage();
        session.dimmed = Image(true, kScreen.width, kScreen.height);
        session.screen = kScreen;
        session.monitors = {kScreen};
        session.magnifierSizeSetting = 0;
        session.zoomSetting = 0;
    }
    void open() {
        overlay.open(session);
        // As when the window moves to a monitor of that resolution.
        overlay.setWindowDpi(dpi);
    }
    // Overlay coordinates.
    void move(Point p, uint32_t buttons = 0) {
        host.cursor = Point{p.x + kScreen.x, p.y + kScreen.y};
        overlay.dispatchMouse(NativeMouseKind::Move, p, 0, buttons, 0);
    }
    void press(Point p, uint32_t button = MouseLeft) {
        host.cursor = Point{p.x + kScreen.x, p.y + kScreen.y};
        overlay.dispatchMouse(NativeMouseKind::Press, p, button, button, 0);
    }
    void release(Point p, uint32_t button = MouseLeft) {
        host.cursor = Point{p.x + kScreen.x, p.y + kScreen.y};
        overlay.dispatchMouse(NativeMouseKind::Release, p, button, 0, 0);
    }

    int32_t dpi;
    FakeHost host;
    RecordingOverlay overlay;
    OverlaySession session;
};

TEST(UIOverlayTest, RegionDragAcceptsTheRectangleBetweenPressAndRelease) {
    Fixture f(OverlayMode::Region);
    f.open();
    EXPECT_EQ(f.overlay.cursor(), (Point{100, 100})) << "where the cursor was at opening";
    f.press({300, 250});
    f.move({120, 40}, MouseLeft);
    f.release({100, 30});
    ASSERT_TRUE(f.host.chosen);
    EXPECT_EQ(f.host.chosen->region, (Rect{100, 30, 201, 221}));
    EXPECT_FALSE(f.overlay.isOpen());

    Fixture click(OverlayMode::Region);
    click.open();
    click.press({5, 6});
    click.release({5, 6});
    ASSERT_TRUE(click.host.chosen);
    EXPECT_EQ(click.host.chosen->region, (Rect{5, 6, 1, 1}));
}

TEST(UIOverlayTest, RegionCancelsOnRightReleaseOtherKeysAndReleaseWithoutPress) {
    for (int way = 0; way < 4; ++way) {
        Fixture f(OverlayMode::Region);
        f.open();
        if (way == 0) {
            f.release({10, 10}); // the button went down before the overlay opened
        } else if (way == 1) {
            f.press({10, 10});
            f.release({20, 20}, MouseRight);
        } else if (way == 2) {
            f.overlay.dispatchKey(true, KeyReturn, 0);
        } else {
            f.overlay.dispatchKey(true, KeyEscape, 0);
        }
        EXPECT_EQ(f.host.log, (std::vector<std::string>{"cancel"})) << "way " << way;
        EXPECT_FALSE(f.host.chosen);
    }
    Fixture held(OverlayMode::Region);
    held.open();
    held.overlay.dispatchKey(true, KeyControl, ModifierControl, true);
    EXPECT_TRUE(held.host.log.empty()) << "a key held since the hotkey repeats";
}

TEST(UIOverlayTest, ArrowKeysNudgeTheCursorAndTheWheelChangesTheZoom) {
    Fixture f(OverlayMode::Region);
    f.session.zoomSetting = 10;
    f.open();
    f.press({50, 50});
    for (int i = 0; i < 4; ++i) {
        f.overlay.dispatchKey(true, KeyUp, 0, i > 0);
    }
    f.overlay.dispatchKey(true, 0x66, 0); // keypad 6
    EXPECT_EQ(f.host.cursor, (Point{51 + kScreen.x, 46 + kScreen.y}));
    EXPECT_EQ(f.overlay.regionScene().selection.rect, (Rect{50, 46, 2, 5}));

    f.overlay.dispatchWheel({50, 50}, 120, true, 0);
    f.overlay.dispatchWheel({50, 50}, -120, true, 0);
    f.overlay.dispatchWheel({50, 50}, -120, true, 0);
    EXPECT_EQ(f.overlay.zoomSetting(), 11);
    EXPECT_EQ(f.host.log, (std::vector<std::string>{"zoom 9", "zoom 10", "zoom 11"}));
    EXPECT_EQ(f.overlay.regionScene().zoom, 17);
}

TEST(UIOverlayTest, RegionPaintsSelectionCrosshairAndMagnifier) {
    Fixture f(OverlayMode::Region);
    f.open();
    f.press({40, 30});
    f.move({99, 79}, MouseLeft);
    const Image shot = f.overlay.render();
    EXPECT_EQ(at(shot, 10, 10), 0u) << "dimmed screen outside";
    EXPECT_EQ(at(shot, 60, 50), opaque(60, 50)) << "frozen screen inside the selection";
    EXPECT_EQ(at(shot, 40, 50), 0xFFFFFFFFu) << "frame on the selection's edge";
    EXPECT_EQ(at(shot, 100, 200), 0xFFFFFFFFu) << "vertical line past the corner";
    EXPECT_EQ(at(shot, 300, 80), 0xFFFFFFFFu) << "horizontal line past the corner";

    // 120-pixel magnifier of 6-pixel blocks 28 pixels below the box's corner.
    const Rect square = f.overlay.regionScene().magnifier;
    EXPECT_EQ(square, (Rect{119, 127, 120, 120}));
    const MagnifierGeometry g = magnifierGeometry(120, 6);
    EXPECT_EQ(at(shot, square.x + 64, square.y + 64), opaque(100, 80)) << "block right-below";
    EXPECT_EQ(at(shot, square.x + 1, square.y + 1), opaque(89, 69));
    EXPECT_EQ(at(shot, square.x + g.firstGridLine(), square.y + 20), 0xFF464646u) << "grid";
    const uint32_t marked = at(shot, square.x + 60, square.y + 60);
    EXPECT_EQ(marked >> 24, 255u);
    EXPECT_NEAR(int(marked >> 16 & 255), (225 * 180 + 7 * 75) / 255, 1) << "marker over red 7";
}

TEST(UIOverlayTest, MagnifierShowsBlackBeyondTheScreen) {
    Fixture f(OverlayMode::Region);
    f.host.cursor = Point{kScreen.x, kScreen.y};
    f.open();
    const Image shot = f.overlay.render();
    const Rect square = f.overlay.regionScene().magnifier;
    EXPECT_EQ(at(shot, square.x + 2, square.y + 2), 0xFF000000u);
    EXPECT_EQ(at(shot, square.x + 60, square.y + 65), opaque(0, 1)) << "no marker below it";
}

TEST(UIOverlayTest, HighDpiKeepsTheSelectionInPhysicalPixelsAndScalesTheBox) {
    Fixture f(OverlayMode::Region, 144);
    f.open();
    f.press({7, 9});
    f.release({8, 9});
    ASSERT_TRUE(f.host.chosen);
    EXPECT_EQ(f.host.chosen->region, (Rect{7, 9, 2, 1}));
    EXPECT_EQ(f.overlay.regionScene().magnifier.width, 180);
    EXPECT_EQ(f.overlay.regionScene().zoom, 9);
}

WindowPick pickOf(WindowId id, Rect capture) {
    WindowPick pick;
    pick.window = id;
    pick.windowRect = capture;
    pick.captureRect = capture;
    return pick;
}

TEST(UIOverlayTest, WindowModeHighlightsSlidesBetweenWindowsAndAcceptsOnPress) {
    Fixture f(OverlayMode::Window);
    int a = 0, b = 0;
    const Rect first{-290, 10, 100, 80};
    const Rect second{-100, 150, 150, 100};
    f.host.windows = {{first, pickOf(&a, first)}, {second, pickOf(&b, second)}};
    f.host.cursor = Point{-250, 50};
    f.open();
    EXPECT_EQ(f.overlay.currentPick().window, &a) << "picked at once";
    EXPECT_EQ(f.overlay.windowScene().highlight, (Rect{10, 10, 100, 80}));
    EXPECT_EQ(f.overlay.windowScene().captured, (Size{100, 80}));

    f.move({250, 200});
    EXPECT_TRUE(f.overlay.slide().isRunning());
    EXPECT_TRUE(timerService().isRunning(&f.overlay, UIOverlay::kSlideTimer));
    f.overlay.OnTimer(UIOverlay::kSlideTimer);
    f.overlay.OnTimer(UIOverlay::kSlideTimer);
    EXPECT_EQ(f.overlay.windowScene().highlight, (Rect{48, 38, 110, 84})) << "a fifth of the way";
    for (int i = 0; i < 4; ++i) {
        f.overlay.OnTimer(UIOverlay::kSlideTimer);
    }
    EXPECT_FALSE(timerService().isRunning(&f.overlay, UIOverlay::kSlideTimer));
    EXPECT_EQ(f.overlay.windowScene().highlight, (Rect{200, 150, 150, 100}));

    f.press({260, 210});
    ASSERT_TRUE(f.host.chosen);
    EXPECT_EQ(f.host.chosen->window, &b);
    EXPECT_EQ(f.host.chosen->captureRect, second);
}

TEST(UIOverlayTest, WindowModeCancelsOnPressOverNothingAndOnAnyKey) {
    Fixture f(OverlayMode::Window);
    f.open();
    f.press({5, 5});
    EXPECT_EQ(f.host.log, (std::vector<std::string>{"cancel"}));

    Fixture keyed(OverlayMode::Window);
    int a = 0;
    keyed.host.windows = {{kScreen, pickOf(&a, kScreen)}};
    keyed.open();
    keyed.overlay.dispatchKey(true, KeyLeft, 0);
    EXPECT_EQ(keyed.host.log, (std::vector<std::string>{"cancel"}));
}

// Paints the areas the overlay asked for over what it showed before; counts
// the pixels that then differ from the overlay painted whole.
int64_t staleAfterRepaint(RecordingOverlay& overlay, Image& shown) {
    const Size size{shown.width(), shown.height()};
    for (const Rect& area : overlay.repainted) {
        const Image painted = renderOffscreen(
            size, overlay.dpi(), [&](UIPainter& painter) { overlay.paintTree(painter, area); });
        const Rect inside = intersect(area, Rect{0, 0, size.width, size.height});
        for (int32_t y = inside.y; y < inside.bottom(); ++y) {
            std::memcpy(shown.pixel(inside.x, y), painted.pixel(inside.x, y),
                        static_cast<size_t>(inside.width) * 4);
        }
    }
    overlay.repainted.clear();
    const Image whole = overlay.render();
    int64_t stale = 0;
    for (int32_t y = 0; y < whole.height(); ++y) {
        for (int32_t x = 0; x < whole.width(); ++x) {
            stale += at(whole, x, y) != at(shown, x, y);
        }
    }
    return stale;
}

TEST(UIOverlayTest, RepaintingWhatChangedShowsTheSameAsRepaintingEverything) {
    Fixture region(OverlayMode::Region);
    region.session.zoomSetting = 10;
    region.open();
    Image shown = region.overlay.render();
    // Drags both ways, the info box flipping at the edges, a nudge and a zoom.
    const Point path[] = {{150, 120}, {151, 120}, {330, 240}, {390, 290}, {20, 10}, {200, 5}};
    region.press({160, 130});
    EXPECT_EQ(staleAfterRepaint(region.overlay, shown), 0);
    for (const Point p : path) {
        region.move(p, MouseLeft);
        EXPECT_EQ(staleAfterRepaint(region.overlay, shown), 0) << p.x << "," << p.y;
    }
    region.overlay.dispatchKey(true, KeyDown, 0);
    region.overlay.dispatchWheel({200, 6}, -120, true, 0);
    EXPECT_EQ(staleAfterRepaint(region.overlay, shown), 0);

    Fixture window(OverlayMode::Window);
    int a = 0, b = 0;
    const Rect first{-290, 10, 100, 80};
    const Rect second{-150, 120, 200, 150};
    window.host.windows = {{first, pickOf(&a, first)}, {second, pickOf(&b, second)}};
    window.host.cursor = Point{-250, 50};
    window.open();
    shown = window.overlay.render();
    window.move({250, 200});
    for (int i = 0; i < 6; ++i) {
        window.overlay.OnTimer(UIOverlay::kSlideTimer);
        EXPECT_EQ(staleAfterRepaint(window.overlay, shown), 0) << "slide step " << i;
    }
    window.move({20, 280});
    EXPECT_EQ(staleAfterRepaint(window.overlay, shown), 0) << "nothing under the cursor";
}

TEST(UIOverlayTest, MovingTheCursorRepaintsOnlyWhatChanged) {
    const OverlayMetrics m = overlayMetrics(96, 1, 10);
    const Size overlay{1920, 1080};
    const Rect bounds{0, 0, 1920, 1080};
    const RegionScene before = regionScene(Point{100, 100}, {500, 400}, bounds, m);
    const RegionScene after = regionScene(Point{100, 100}, {501, 400}, bounds, m);
    int64_t area = 0;
    for (const Rect& r : regionChanges(before, after, overlay)) {
        area += int64_t{r.width} * r.height;
    }
    // Two columns of the line and the selection's edge, the frame's rows,
    // the box twice: far below the screen's two million pixels.
    EXPECT_GT(area, 2 * (195 * 223));
    EXPECT_LT(area, 2 * (195 * 223) + 6 * 1080 + 4 * 400 + 2000);
    EXPECT_TRUE(regionChanges(before, before, overlay).empty());

    const Rect frame{300, 300, 400, 300};
    const WindowScene still =
        windowScene(frame, true, {400, 300}, {32, 32}, &m, {10, 10}, bounds, m);
    const WindowScene moved =
        windowScene(frame, true, {400, 300}, {32, 32}, &m, {11, 10}, bounds, m);
    for (const Rect& r : windowChanges(still, moved)) {
        EXPECT_TRUE(r == still.infoBox || r == moved.infoBox) << "the highlight stays";
    }
}

} // namespace
} // namespace fw
