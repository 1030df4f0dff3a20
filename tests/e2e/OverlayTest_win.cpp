// Window and region captures of the real program, driven with synthesized
// mouse and keyboard input over the selection overlay.
#include "e2e/Driver_win.h"
#include "output/ImageFile.h"
#include "platform/Files.h"
#include "settings/SettingKeys.h"

#include <gtest/gtest.h>

namespace fw::e2e {
namespace {

constexpr COLORREF kCoverColour = RGB(200, 40, 90);

// A captioned window with the pattern in its client area and a button that
// reaches past the client area's right and bottom edges.
class DialogWindow {
public:
    explicit DialogWindow(const Rect& r) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = L"FramewingTestDialog";
        ::RegisterClassW(&windowClass);
        window_ =
            ::CreateWindowExW(0, L"FramewingTestDialog", L"Dialog",
                              WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPCHILDREN, r.x, r.y,
                              r.width, r.height, nullptr, nullptr, windowClass.hInstance, nullptr);
        RECT client{};
        ::GetClientRect(window_, &client);
        button_ = ::CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE,
                                    client.right - 100, client.bottom - 40, 160, 70, window_,
                                    nullptr, windowClass.hInstance, nullptr);
        ::UpdateWindow(window_);
        pumpMessages(300);
    }
    ~DialogWindow() { ::DestroyWindow(window_); }
    HWND get() const { return window_; }
    HWND button() const { return button_; }
    Rect clientOnScreen() const {
        RECT client{};
        ::GetClientRect(window_, &client);
        POINT origin{0, 0};
        ::ClientToScreen(window_, &origin);
        return Rect{origin.x, origin.y, client.right, client.bottom};
    }

private:
    HWND window_ = nullptr;
    HWND button_ = nullptr;
};

class OverlayTest : public ProgramTest {
protected:
    void start(int32_t mode,
               std::initializer_list<std::pair<WideStringView, SettingValue>> settings = {}) {
        std::vector<std::pair<WideStringView, SettingValue>> all(settings);
        all.emplace_back(keys::kMode, SettingValue::int32(mode));
        writeSettings(all);
        ASSERT_TRUE(program.start(joinPath(distFolder(), u"Framewing.exe")));
        main = program.waitForMainWindow(10000);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
        pumpMessages(300);
    }

    // PrintScreen, then the overlay over the whole virtual screen.
    void openOverlay() {
        pressKey(VK_SNAPSHOT);
        ASSERT_TRUE(pumpUntil(5000, [&] {
            overlay = findWindowCovering(program.processId(), virtualScreen());
            return overlay != nullptr;
        })) << "no overlay";
        pumpMessages(200);
    }

    // The next screenshot, or the empty image when none comes.
    Image shot(int n, DWORD timeoutMs = 10000) {
        const WideString path = joinPath(desktopFolder(), u"ScreenShot-" + toWide(n) + u".png");
        if (!pumpUntil(timeoutMs, [&] { return os::fileExists(path); })) {
            return Image();
        }
        pumpMessages(200);
        return loadImage(path);
    }

    void expectNothingSaved() {
        EXPECT_TRUE(shot(1, 2000).isEmpty());
        EXPECT_TRUE(pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; }));
        EXPECT_FALSE(::IsWindowVisible(overlay));
    }

    // Picks the dialog's button with controls included or not.
    void captureDialogButton(bool controls) {
        start(2, {{keys::kWindowModeIncludeControls, SettingValue::boolean(controls)},
                  {keys::kWindowModeSaveTransparency, SettingValue::boolean(false)}});
        const Rect at{300, 200, 400, 300};
        DialogWindow dialog(at);
        const Rect button = windowRect(dialog.button());
        openOverlay();
        click(Point{button.x + 20, button.y + 20});
        const Image image = shot(1);
        ASSERT_FALSE(image.isEmpty());
        const Rect expected = controls ? intersect(button, dialog.clientOnScreen()) : at;
        EXPECT_LT(expected.width, controls ? button.width : at.width + 1);
        EXPECT_EQ(image.width(), expected.width);
        EXPECT_EQ(image.height(), expected.height);
    }

    Program program;
    HWND main = nullptr;
    HWND overlay = nullptr;
};

TEST_F(OverlayTest, WithoutControlsAPointOnAButtonPicksTheDialog) {
    captureDialogButton(false);
}

TEST_F(OverlayTest, WithControlsThePickIsTheButtonClippedToTheClientArea) {
    captureDialogButton(true);
}

TEST_F(OverlayTest, HalfOffScreenWindowKeepsToTheWorkAreaAndCoveredSidesAreCut) {
    start(2, {{keys::kWindowModeSaveTransparency, SettingValue::boolean(false)}});
    const Rect work = [] {
        RECT r{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        return fromRECT(r);
    }();
    PatternWindow half(Rect{work.x - 100, work.y + 100, 300, 200}, false);
    openOverlay();
    click(Point{work.x + 50, work.y + 150});
    Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 200);
    EXPECT_EQ(half.mismatches(image, {0, 0}, Rect{100, 0, 200, 200}), 0);

    // In front: one window over a corner (captured as it shows), one that
    // takes the whole right side (cut off).
    const Rect target{work.x + 400, work.y + 300, 400, 300};
    PatternWindow window(target, false);
    PatternWindow corner(Rect{target.x - 20, target.y - 20, 60, 50}, false);
    corner.showSolid(kCoverColour);
    PatternWindow right(Rect{target.x + 300, target.y - 50, 200, 400}, false);
    right.showSolid(kCoverColour);
    pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; });
    openOverlay();
    click(Point{target.x + 150, target.y + 150});
    image = shot(2);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 300);
    EXPECT_EQ(image.height(), 300);
    EXPECT_EQ(window.mismatches(image, {0, 30}, Rect{0, 30, 300, 270}), 0);
    const uint8_t* covered = image.pixel(5, 5);
    EXPECT_EQ(RGB(covered[2], covered[1], covered[0]), kCoverColour);
}

TEST_F(OverlayTest, WithTransparencyOpaqueWindowsStayOpaqueAndCutCornersComeOutClear) {
    start(2, {{keys::kWindowModeSaveTransparency, SettingValue::boolean(true)}});
    const Rect target{500, 300, 240, 160};
    PatternWindow window(target, false);
    openOverlay();
    click(Point{target.x + 100, target.y + 80});
    Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_TRUE(isOpaque(image));
    EXPECT_EQ(window.mismatches(image, {0, 0}), 0);
    EXPECT_EQ(image.width(), target.width);

    // The window's shape leaves its corners out: the backdrops show there.
    ::SetWindowRgn(window.get(),
                   ::CreateRoundRectRgn(0, 0, target.width + 1, target.height + 1, 60, 60), TRUE);
    pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; });
    openOverlay();
    click(Point{target.x + 100, target.y + 80});
    image = shot(2);
    ASSERT_FALSE(image.isEmpty());
    ASSERT_TRUE(image.hasAlpha());
    EXPECT_EQ(image.pixel(1, 1)[3], 0);
    EXPECT_EQ(image.pixel(target.width - 2, target.height - 2)[3], 0);
    EXPECT_EQ(image.pixel(120, 80)[3], 255);
    EXPECT_EQ(window.mismatches(image, {40, 40}, Rect{40, 40, 160, 80}), 0);
}

TEST_F(OverlayTest, CancelledPickSavesNothing) {
    start(2);
    PatternWindow window(Rect{500, 300, 240, 160}, false);
    openOverlay();
    moveMouse(Point{600, 400});
    pressKey(VK_ESCAPE);
    expectNothingSaved();
}

TEST_F(OverlayTest, RegionDraggedBackwardsClickedOrNudgedCapturesThoseScreenPixels) {
    start(3);
    const Rect at{100, 100, 200, 160};
    PatternWindow pattern(at);
    openOverlay();
    drag(Point{at.x + 150, at.y + 120}, Point{at.x + 30, at.y + 20});
    Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 121);
    EXPECT_EQ(image.height(), 101);
    EXPECT_EQ(pattern.mismatches(image, {0, 0}, Rect{30, 20, 121, 101}), 0);

    pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; });
    openOverlay();
    click(Point{at.x + 70, at.y + 60});
    image = shot(2);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 1);
    EXPECT_EQ(image.height(), 1);
    EXPECT_EQ(pattern.mismatches(image, {0, 0}, Rect{70, 60, 1, 1}), 0);

    // Four presses of the up arrow during the drag move its corner four up.
    pumpUntil(5000, [&] { return ::IsWindowVisible(main) != 0; });
    openOverlay();
    sendMouseAt(Point{at.x + 10, at.y + 10}, MOUSEEVENTF_LEFTDOWN);
    moveMouse(Point{at.x + 60, at.y + 90});
    for (int i = 0; i < 4; ++i) {
        pressKey(VK_UP);
        pumpMessages(60);
    }
    sendButton(MOUSEEVENTF_LEFTUP);
    image = shot(3);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 51);
    EXPECT_EQ(image.height(), 77);
}

TEST_F(OverlayTest, EscapeCancelsTheRegion) {
    start(3);
    openOverlay();
    sendMouseAt(Point{200, 200}, MOUSEEVENTF_LEFTDOWN);
    moveMouse(Point{300, 260});
    pressKey(VK_ESCAPE);
    sendButton(MOUSEEVENTF_LEFTUP);
    expectNothingSaved();
}

TEST_F(OverlayTest, RegionShowsTheScreenAsItIsAtRelease) {
    start(3);
    const Rect at{100, 100, 200, 160};
    PatternWindow pattern(at);
    openOverlay();
    // Under the overlay the window changes; the overlay still shows the pattern.
    pattern.showSolid(kCoverColour);
    pumpMessages(200);
    drag(Point{at.x + 10, at.y + 10}, Point{at.x + 49, at.y + 29});
    const Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    ASSERT_EQ(image.width(), 40);
    const uint8_t* p = image.pixel(20, 10);
    EXPECT_EQ(RGB(p[2], p[1], p[0]), kCoverColour);
}

// scripts/test-multimonitor runs these on two monitors, the second left of
// the primary one; elsewhere they skip.
bool hasMonitorLeftOfPrimary() {
    return ::GetSystemMetrics(SM_CMONITORS) > 1 && virtualScreen().x < 0;
}

TEST_F(OverlayTest, MultiMonitorRegionAcrossBothMonitors) {
    if (!hasMonitorLeftOfPrimary()) {
        GTEST_SKIP() << "needs a monitor left of the primary one";
    }
    start(3);
    PatternWindow left(Rect{-200, 100, 200, 160});
    PatternWindow right(Rect{0, 100, 200, 160});
    openOverlay();
    drag(Point{-120, 130}, Point{79, 179});
    const Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 50);
    EXPECT_EQ(left.mismatches(image, {0, 0}, Rect{80, 30, 120, 50}), 0);
    EXPECT_EQ(right.mismatches(image, {120, 0}, Rect{0, 30, 80, 50}), 0);
}

TEST_F(OverlayTest, MultiMonitorWindowOnTheLeftMonitor) {
    if (!hasMonitorLeftOfPrimary()) {
        GTEST_SKIP() << "needs a monitor left of the primary one";
    }
    start(2, {{keys::kWindowModeSaveTransparency, SettingValue::boolean(false)}});
    const Rect screen = virtualScreen();
    PatternWindow window(Rect{screen.x + 300, 300, 240, 160}, false);
    openOverlay();
    click(Point{screen.x + 400, 350});
    const Image image = shot(1);
    ASSERT_FALSE(image.isEmpty());
    EXPECT_EQ(image.width(), 240);
    EXPECT_EQ(window.mismatches(image, {0, 0}), 0);
}

} // namespace
} // namespace fw::e2e
