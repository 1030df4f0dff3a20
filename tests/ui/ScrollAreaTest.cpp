#include "ui/UIScrollArea.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

// Content with a chosen preferred and smallest size.
class Sheet : public UIWidget {
public:
    Sheet(Size hint, Size minimum) : hint_(hint), minimum_(minimum) {}
    Size sizeHint() const override { return hint_; }
    Size minimumSizeHint() const override { return minimum_; }
    Size hint_;
    Size minimum_;
};

struct AreaFixture {
    AreaFixture(Size hint, Size minimum) {
        window.setGeometry(Rect{0, 0, 400, 400});
        area = window.add<UIScrollArea>();
        area->setGeometry(Rect{0, 0, 200, 150});
        sheet = area->emplaceWidget<Sheet>(hint, minimum);
        area->setFocus();
    }
    UIWindow window;
    UIScrollArea* area;
    Sheet* sheet;
};

TEST(ScrollAreaTest, BarsAppearAsNeededAndResizableContentFillsTheRest) {
    AreaFixture tall(Size{100, 400}, Size{100, 400});
    EXPECT_TRUE(tall.area->verticalScrollBar()->isVisibleFlag());
    EXPECT_FALSE(tall.area->horizontalScrollBar()->isVisibleFlag());
    EXPECT_EQ(tall.area->viewport()->geometry(), (Rect{0, 0, 188, 150}));
    EXPECT_EQ(tall.sheet->geometry(), (Rect{0, 0, 188, 400}));
    EXPECT_EQ(tall.area->verticalScrollBar()->maximum(), 250);

    // Too wide for the room the vertical bar leaves: both bars and the corner.
    AreaFixture wide(Size{195, 400}, Size{195, 400});
    EXPECT_TRUE(wide.area->horizontalScrollBar()->isVisibleFlag());
    EXPECT_TRUE(wide.area->corner()->isVisibleFlag());
    EXPECT_EQ(wide.area->viewport()->geometry(), (Rect{0, 0, 188, 138}));
    EXPECT_EQ(wide.area->horizontalScrollBar()->maximum(), 7);

    AreaFixture small(Size{50, 50}, Size{50, 50});
    EXPECT_FALSE(small.area->verticalScrollBar()->isVisibleFlag());
    EXPECT_EQ(small.sheet->geometry(), (Rect{0, 0, 200, 150}));
    small.area->setWidgetResizable(false);
    EXPECT_EQ(small.sheet->geometry(), (Rect{0, 0, 50, 50}));
    small.area->setScrollBarPolicy(Direction::Vertical, ScrollBarPolicy::AlwaysOn);
    EXPECT_TRUE(small.area->verticalScrollBar()->isVisibleFlag());
    // A content that grew is measured again when asked.
    small.sheet->hint_ = Size{50, 500};
    small.area->updateContent();
    EXPECT_EQ(small.area->verticalScrollBar()->maximum(), 350);
}

TEST(ScrollAreaTest, WheelKeysAndScrollToVisibleMoveTheContent) {
    AreaFixture f(Size{400, 1000}, Size{400, 1000});
    UIScrollBar* vertical = f.area->verticalScrollBar();
    UIScrollBar* horizontal = f.area->horizontalScrollBar();
    vertical->setSmoothScrolling(false);
    horizontal->setSmoothScrolling(false);
    // The wheel over the content reaches the area: three lines of 20.
    f.window.dispatchWheel(Point{50, 50}, -120, true, 0);
    EXPECT_EQ(f.area->scrollPosition(), (Point{0, 60}));
    EXPECT_EQ(f.sheet->geometry().y, -60);
    f.window.dispatchWheel(Point{50, 50}, -120, true, ModifierShift);
    EXPECT_EQ(f.area->scrollPosition(), (Point{60, 60}));
    f.window.dispatchKey(true, KeyPageDown, 0);
    EXPECT_EQ(vertical->value(), 60 + 138);
    f.window.dispatchKey(true, KeyHome, ModifierControl);
    EXPECT_EQ(f.area->scrollPosition(), (Point{0, 0}));
    f.window.dispatchKey(true, KeyEnd, 0);
    EXPECT_EQ(vertical->value(), 1000 - 138);

    // The least scrolling that shows the rectangle.
    f.area->scrollToVisible(Rect{0, 0, 10, 10});
    EXPECT_EQ(f.area->scrollPosition(), (Point{0, 0}));
    f.area->scrollToVisible(Rect{300, 500, 50, 40});
    EXPECT_EQ(f.area->scrollPosition(), (Point{350 - 188, 540 - 138}));
    auto* inner = f.sheet->add<Sheet>(Size{20, 20}, Size{20, 20});
    inner->setGeometry(Rect{10, 900, 20, 20});
    f.area->ensureWidgetVisible(inner);
    EXPECT_EQ(f.area->scrollPosition(), (Point{2, 928 - 138}));
}

} // namespace
} // namespace fw
