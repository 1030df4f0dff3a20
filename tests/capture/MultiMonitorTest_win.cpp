// Needs a desktop of two monitors of different heights (scripts/test-multimonitor
// provides one); elsewhere it is skipped unless FW_EXPECT_MONITORS asks for it.
#include "capture/ScreenCapture.h"
#include "capture/Screen_win.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fw {
namespace {

TEST(MultiMonitorTest, FrozenScreenCoversTheBoundingBoxAndMarksUncoveredStrips) {
    const std::vector<Rect> monitors = os::monitorRects(false);
    if (monitors.size() < 2) {
        if (std::getenv("FW_EXPECT_MONITORS")) {
            FAIL() << "expected two monitors, found " << monitors.size();
        }
        GTEST_SKIP() << "a single monitor";
    }
    ASSERT_EQ(os::monitorCount(), static_cast<int32_t>(monitors.size()));
    Rect box;
    for (const Rect& monitor : monitors) {
        box = unite(box, monitor);
    }
    EXPECT_EQ(os::virtualScreenRect(), box);
    if (std::getenv("FW_EXPECT_NEGATIVE_X")) {
        EXPECT_LT(box.x, 0) << "a monitor left of the primary one";
    }
    EXPECT_FALSE(os::primaryWorkArea().isEmpty());
    EXPECT_EQ(os::monitorOfPoint(Point{monitors[1].x, monitors[1].y}, false), monitors[1]);

    CaptureState state;
    state.mode = CaptureMode::FullScreen;
    state.useWorkArea = true;
    ScreenSource screen;
    resetScreenState(state, screen);
    freezeScreen(state, screen, Freeze::ForOverlay);
    ASSERT_EQ(state.frozenScreen.width(), box.width);
    ASSERT_EQ(state.frozenScreen.height(), box.height);
    int uncovered = 0, wrong = 0;
    for (int32_t y = 0; y < box.height; y += 7) {
        for (int32_t x = 0; x < box.width; x += 7) {
            bool covered = false;
            for (const Rect& monitor : monitors) {
                covered = covered || monitor.contains(box.x + x, box.y + y);
            }
            const uint8_t* frozen = state.frozenScreen.pixel(x, y);
            const uint8_t* dark = state.dimmedScreen.pixel(x, y);
            uncovered += !covered;
            wrong += frozen[3] != (covered ? 255 : 0);
            wrong += !covered && (dark[0] || dark[1] || dark[2] || dark[3] != 60);
        }
    }
    EXPECT_GT(uncovered, 0) << "monitors of different heights leave a strip";
    EXPECT_EQ(wrong, 0);

    // With two monitors the work-area setting does not apply.
    fullScreenResult(state, screen);
    EXPECT_EQ(state.resultRect, (Rect{0, 0, box.width, box.height}));
}

} // namespace
} // namespace fw
