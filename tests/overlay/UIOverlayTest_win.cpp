// The selection overlay on a real window.
#include "overlay/UIOverlay.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

struct StillHost : OverlayHost {
    void overlayAccepted(const OverlayChoice&) override {}
    void overlayCancelled() override {}
    void zoomSettingChanged(int32_t) override {}
    Point cursorPosition() override { return Point{50, 50}; }
    void moveCursor(Point) override {}
    WindowPick pickWindow(Point, bool, WindowId) override { return {}; }
};

TEST(UIOverlayWindowTest, StaysOverTheWholeScreenOnAMonitorOfAnotherResolution) {
    StillHost host;
    UIOverlay overlay(host);
    OverlaySession session;
    const Rect screen{0, 0, 400, 300};
    session.frozen = Image(true, screen.width, screen.height);
    session.dimmed = session.frozen;
    session.screen = screen;
    session.monitors = {screen};
    session.magnifierSizeSetting = 0;
    overlay.open(session);
    HWND window = static_cast<HWND>(overlay.nativeWindow().handle());
    ASSERT_NE(window, nullptr);

    // What Windows sends when most of the window lies on a 144 DPI monitor:
    // the window scaled by half again, which would shift every pixel.
    constexpr UINT kDpiChanged = 0x02E0;
    RECT suggested{0, 0, 600, 450};
    ::SendMessageW(window, kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    ::GetWindowRect(window, &now);
    EXPECT_EQ(fromRECT(now), screen);
    EXPECT_EQ(overlay.regionScene().magnifier.width, 180) << "the magnifier follows";
    overlay.dismiss();
}

} // namespace
} // namespace fw
