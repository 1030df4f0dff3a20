#include "capture/ScreenCapture.h"
#include "capture/ImageOps.h"

#include <gtest/gtest.h>

#include <array>

namespace fw {
namespace {

TEST(ScreenCaptureTest, MonitorCoverageOfMonitorsOfDifferentHeights) {
    // 800x600 on the left of a 640x480 primary at (0, 0): the bounding box
    // starts at x = -800 and the strip below the shorter monitor is uncovered.
    const std::vector<Rect> monitors = {Rect{-800, 0, 800, 600}, Rect{}, Rect{0, 0, 640, 480}};
    Image grab(true, 1440, 600);
    fill(grab, 0x00102030u);
    markMonitorCoverage(grab, -800, 0, monitors);
    EXPECT_EQ(grab.pixel(0, 599)[3], 255);
    EXPECT_EQ(grab.pixel(799, 0)[3], 255);
    EXPECT_EQ(grab.pixel(1439, 479)[3], 255);
    EXPECT_EQ(grab.pixel(800, 480)[3], 0);
    EXPECT_EQ(grab.pixel(1439, 599)[3], 0);

    const Image dark = dimmed(grab);
    const uint8_t* strip = dark.pixel(1000, 500);
    EXPECT_EQ((std::array<uint8_t, 4>{strip[0], strip[1], strip[2], strip[3]}),
              (std::array<uint8_t, 4>{0, 0, 0, 60}));
    EXPECT_EQ(dark.pixel(10, 10)[3], 255);

    // A grab of part of the screen: monitors are clipped to it.
    Image part(true, 100, 100);
    markMonitorCoverage(part, 590, 430, monitors);
    EXPECT_EQ(part.pixel(49, 49)[3], 255);
    EXPECT_EQ(part.pixel(50, 50)[3], 0);
    EXPECT_EQ(part.pixel(50, 0)[3], 0);

    // Without monitor information the grab is all there is: opaque.
    Image unknown(true, 2, 2);
    markMonitorCoverage(unknown, 0, 0, {Rect{}});
    EXPECT_EQ(unknown.pixel(1, 1)[3], 255);
}

Image solid(int32_t width, int32_t height, uint32_t colour) {
    Image image(true, width, height);
    fill(image, colour);
    return image;
}

TEST(ScreenCaptureTest, StoredResultGetsTheCursorAtItsScreenPosition) {
    CaptureState state;
    state.virtualScreen = Rect{-800, -20, 1440, 620};
    state.cursorImage = solid(4, 4, 0xFFFF0000u);
    state.cursorRect = Rect{-790, -15, 4, 4};

    // Cropped from the frozen screen: image (0, 0) is screen (-800, -20) + (5, 2).
    state.mode = CaptureMode::Region;
    storeResult(state, Rect{5, 2, 20, 20}, solid(20, 20, 0xFF000000u));
    EXPECT_EQ(state.resultRect, (Rect{5, 2, 20, 20}));
    EXPECT_EQ(state.resultImage.pixel(4, 2)[0], 0);
    EXPECT_EQ(state.resultImage.pixel(5, 3)[2], 255);
    EXPECT_EQ(state.resultImage.pixel(8, 6)[2], 255);
    EXPECT_EQ(state.resultImage.pixel(9, 7)[2], 0);

    // Window captures are in screen coordinates.
    state.mode = CaptureMode::Window;
    storeResult(state, Rect{-792, -16, 10, 10}, solid(10, 10, 0xFF000000u));
    EXPECT_EQ(state.resultImage.pixel(1, 0)[2], 0);
    EXPECT_EQ(state.resultImage.pixel(2, 1)[2], 255);

    // Touching only at the edge is no overlap: the cursor ends where the capture begins.
    const Image untouched = solid(10, 10, 0xFF000000u);
    storeResult(state, Rect{-786, -15, 10, 10}, untouched);
    storeResult(state, Rect{-790, -11, 10, 10}, untouched);
    for (int32_t y = 0; y < 10; ++y) {
        for (int32_t x = 0; x < 10; ++x) {
            ASSERT_EQ(untouched.pixel(x, y)[2], 0);
        }
    }
}

TEST(ScreenCaptureTest, CursorShadowGrowsTheImageAndKeepsTheCursorOnTop) {
    Image cursor(true, 12, 20);
    fill(cursor, 0x00000000u);
    for (int32_t y = 0; y < 10; ++y) {
        std::fill_n(cursor.pixel(0, y), 4 * 4, uint8_t{255});
    }
    EXPECT_TRUE(hasVisiblePixel(cursor));
    EXPECT_FALSE(hasVisiblePixel(Image(true, 3, 3)));
    EXPECT_TRUE(hasVisiblePixel(Image(false, 1, 1)));

    const Image shadow = shadowedCursor(cursor);
    ASSERT_EQ(shadow.width(), 22);
    ASSERT_EQ(shadow.height(), 30);
    EXPECT_EQ(shadow.pixel(1, 1)[0], 255) << "the cursor itself is unchanged";
    EXPECT_EQ(shadow.pixel(1, 1)[3], 255);
    const uint8_t* below = shadow.pixel(5, 10);
    EXPECT_GT(below[3], 0);
    EXPECT_LE(below[3], 100) << "the shadow is at most 100/255 opaque";
    EXPECT_LT(below[0], 128) << "and dark";
    EXPECT_EQ(shadow.pixel(20, 28)[3], 0);
}

} // namespace
} // namespace fw
