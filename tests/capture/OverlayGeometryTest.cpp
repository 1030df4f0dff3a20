#include "capture/OverlayGeometry.h"
#include "capture/HighlightSlide.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

TEST(OverlayGeometryTest, SelectionHoldsAnchorAndCursorPixelsWhicheverWayItIsDragged) {
    EXPECT_TRUE(regionSelection(std::nullopt, {5, 5}).rect.isEmpty());
    EXPECT_EQ(crosshairPoint(regionSelection(std::nullopt, {5, 5}), {5, 5}), (Point{5, 5}));

    const RegionSelection click = regionSelection(Point{40, 30}, {40, 30});
    EXPECT_EQ(click.rect, (Rect{40, 30, 1, 1}));
    EXPECT_EQ(click.horizontal, HorizontalDirection::Right);
    EXPECT_EQ(click.vertical, VerticalDirection::Down);

    const RegionSelection forward = regionSelection(Point{10, 20}, {59, 99});
    const RegionSelection backward = regionSelection(Point{59, 99}, {10, 20});
    EXPECT_EQ(forward.rect, (Rect{10, 20, 50, 80}));
    EXPECT_EQ(backward.rect, forward.rect);
    EXPECT_EQ(backward.horizontal, HorizontalDirection::Left);
    EXPECT_EQ(backward.vertical, VerticalDirection::Up);

    // The frame lies on the selection, one pixel further on the sides the
    // cursor went past the anchor; the cross-hair runs just outside the corner.
    EXPECT_EQ(selectionFrame(forward), forward.rect);
    EXPECT_EQ(crosshairPoint(forward, {59, 99}), (Point{60, 100}));
    EXPECT_EQ(selectionFrame(backward), (Rect{9, 19, 51, 81}));
    EXPECT_EQ(crosshairPoint(backward, {10, 20}), (Point{9, 19}));
    const RegionSelection mixed = regionSelection(Point{59, 20}, {10, 99});
    EXPECT_EQ(selectionFrame(mixed), (Rect{9, 20, 51, 80}));
    EXPECT_EQ(crosshairPoint(mixed, {10, 99}), (Point{9, 100}));
}

TEST(OverlayGeometryTest, InfoBoxFlipsNearTheRightAndBottomEdgesOnEachAxis) {
    const Rect bounds{0, 0, 1000, 800};
    const InfoBoxSpacing spacing;
    const Size box{195, 223};
    EXPECT_EQ(placeInfoBox({100, 100}, box, bounds, spacing), (Rect{120, 120, 195, 223}));
    // Right edge at exactly width - 20 still fits.
    EXPECT_EQ(placeInfoBox({765, 100}, box, bounds, spacing).x, 785);
    EXPECT_EQ(placeInfoBox({766, 100}, box, bounds, spacing), (Rect{566, 120, 195, 223}));
    EXPECT_EQ(placeInfoBox({100, 700}, box, bounds, spacing), (Rect{120, 472, 195, 223}));
    EXPECT_EQ(placeInfoBox({990, 790}, box, bounds, spacing), (Rect{790, 562, 195, 223}));
    // On a monitor that does not start at the origin the box keeps to it.
    EXPECT_EQ(placeInfoBox({1990, 100}, box, Rect{1000, 0, 1000, 800}, spacing).x, 1790);
}

TEST(OverlayGeometryTest, MagnifierSizesZoomBoundsAndWheelSteps) {
    EXPECT_EQ(magnifierSide(0), 120);
    EXPECT_EQ(magnifierSide(1), 180);
    EXPECT_EQ(magnifierSide(2), 240);
    EXPECT_EQ(zoomFactor(0), 6);
    EXPECT_EQ(zoomFactor(30), 36);

    EXPECT_EQ(zoomAfterWheel(10, 120, true), 9) << "forward";
    EXPECT_EQ(zoomAfterWheel(10, -120, true), 11) << "backward";
    EXPECT_EQ(zoomAfterWheel(10, 120, false), 11) << "any other wheel raises";
    EXPECT_EQ(zoomAfterWheel(0, 120, true), 0);
    EXPECT_EQ(zoomAfterWheel(30, -120, true), 30);

    // At zoom 6 on the 120 square the cursor's block starts at 57, with part
    // blocks of 3 pixels at both edges.
    const MagnifierGeometry small = magnifierGeometry(120, 6);
    EXPECT_EQ(small.center, 57);
    EXPECT_EQ(small.sourceOffset(57), 0);
    EXPECT_EQ(small.sourceOffset(62), 0);
    EXPECT_EQ(small.sourceOffset(63), 1);
    EXPECT_EQ(small.sourceOffset(56), -1);
    EXPECT_EQ(small.sourceOffset(0), -10);
    EXPECT_EQ(small.firstGridLine(), 3);
    EXPECT_EQ(small.markerRect(), (Rect{58, 58, 5, 5}));

    const MagnifierGeometry large = magnifierGeometry(240, 36);
    EXPECT_EQ(large.center, 102);
    EXPECT_EQ(large.sourceOffset(0), -3);
    EXPECT_EQ(large.sourceOffset(239), 3);
    EXPECT_EQ(large.firstGridLine(), 30);
    EXPECT_EQ(large.markerRect(), (Rect{103, 103, 35, 35}));
    EXPECT_EQ(magnifierGeometry(180, 20).firstGridLine(), 20) << "no line on the edge";
}

TEST(OverlayGeometryTest, ArrowsAndKeypadMoveTheCursorOtherKeysDoNot) {
    EXPECT_EQ(cursorStepForKey(0x25), (Point{-1, 0}));
    EXPECT_EQ(cursorStepForKey(0x68), (Point{0, -1}));
    EXPECT_EQ(cursorStepForKey(0x66), (Point{1, 0}));
    EXPECT_EQ(cursorStepForKey(0x28), (Point{0, 1}));
    EXPECT_FALSE(cursorStepForKey(0x0D));
    EXPECT_FALSE(cursorStepForKey(0x65)) << "keypad 5";
}

TEST(OverlayGeometryTest, HighlightSlidesInFiveStepsAndRestartsFromWhereItIs) {
    HighlightSlide slide;
    slide.slide(Rect{0, 0, 100, 100}, Rect{100, 50, 200, 150});
    std::vector<int32_t> lefts;
    while (slide.tick()) {
        lefts.push_back(slide.current().x);
    }
    EXPECT_EQ(lefts, (std::vector<int32_t>{0, 20, 40, 60, 80}));
    EXPECT_FALSE(slide.isRunning());
    EXPECT_TRUE(slide.current().isEmpty()) << "the frame rests on the picked window";

    slide.slide(Rect{0, 0, 100, 100}, Rect{100, 0, 100, 100});
    slide.tick();
    slide.tick();
    slide.tick(); // at 40 %
    EXPECT_EQ(slide.current(), (Rect{40, 0, 100, 100}));
    slide.slide(Rect{500, 500, 10, 10}, Rect{240, 0, 100, 100});
    slide.tick();
    EXPECT_EQ(slide.current(), (Rect{40, 0, 100, 100})) << "from the frame, not the old window";
    slide.tick();
    EXPECT_EQ(slide.current(), (Rect{80, 0, 100, 100}));
}

} // namespace
} // namespace fw
