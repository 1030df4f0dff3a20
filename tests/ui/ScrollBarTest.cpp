#include "resources/Skin.h"
#include "ui/UIButton.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

using Part = UIScrollBar::Part;

// A 12 x 200 vertical bar over 1000 pixels of content, 200 of them in view:
// the track runs from 12 to 188, the thumb is 35 long with 141 to move in.
struct BarFixture {
    explicit BarFixture(Direction direction = Direction::Vertical) {
        window.setGeometry(Rect{0, 0, 400, 400});
        bar = window.add<UIScrollBar>(direction);
        bar->setGeometry(direction == Direction::Vertical ? Rect{0, 0, 12, 200}
                                                          : Rect{0, 0, 200, 12});
        bar->setRange(0, 800);
        bar->setPageStep(200);
        bar->setSingleStep(10);
    }
    void press(Point p) {
        window.dispatchMouse(NativeMouseKind::Press, p, MouseLeft, MouseLeft, 0);
    }
    void move(Point p) { window.dispatchMouse(NativeMouseKind::Move, p, 0, MouseLeft, 0); }
    void release(Point p) { window.dispatchMouse(NativeMouseKind::Release, p, MouseLeft, 0, 0); }
    void tick(int32_t timer, int times = 1) {
        for (int i = 0; i < times; ++i) {
            bar->OnTimer(timer);
        }
    }
    UIWindow window;
    UIScrollBar* bar;
};

Skin makeSkin(WideString name, int32_t width, int32_t height) {
    SkinDescription d;
    d.name = std::move(name);
    d.count = 1;
    d.frameWidth = width;
    d.frameHeight = height;
    return Skin(d, Image(true, width, height));
}

TEST(ScrollBarTest, ThumbLengthAndPlaceFollowTheRange) {
    struct Case {
        int32_t maximum, value;
        Rect bar, thumb;
    };
    const Case cases[] = {
        {800, 0, {0, 0, 12, 200}, {0, 12, 12, 35}},
        {800, 400, {0, 0, 12, 200}, {0, 83, 12, 35}},
        {800, 800, {0, 0, 12, 200}, {0, 153, 12, 35}},
        // A long range keeps the thumb at its minimum length.
        {100000, 0, {0, 0, 12, 200}, {0, 12, 12, 16}},
        {100000, 100000, {0, 0, 12, 200}, {0, 172, 12, 16}},
        // A track shorter than the shortest thumb has none.
        {800, 0, {0, 0, 12, 30}, {}},
        // Nothing to scroll: no thumb.
        {0, 0, {0, 0, 12, 200}, {}},
    };
    for (const Case& c : cases) {
        BarFixture f;
        f.bar->setGeometry(c.bar);
        f.bar->setRange(0, c.maximum);
        f.bar->setValue(c.value);
        EXPECT_EQ(f.bar->partRect(Part::Thumb), c.thumb) << c.maximum << " " << c.value;
    }
    BarFixture horizontal(Direction::Horizontal);
    horizontal.bar->setValue(400);
    EXPECT_EQ(horizontal.bar->partRect(Part::Thumb), (Rect{83, 0, 35, 12}));
    EXPECT_EQ(horizontal.bar->partAt(Point{5, 5}), Part::DecreaseArrow);
    EXPECT_EQ(horizontal.bar->partAt(Point{195, 5}), Part::IncreaseArrow);
    EXPECT_EQ(horizontal.bar->partAt(Point{60, 5}), Part::DecreaseTrack);

    BarFixture empty;
    empty.bar->setRange(0, 0);
    EXPECT_EQ(empty.bar->partAt(Point{6, 195}), Part::None);
    // The value is clamped into a range that shrinks under it.
    BarFixture shrinking;
    shrinking.bar->setValue(700);
    shrinking.bar->setRange(0, 300);
    EXPECT_EQ(shrinking.bar->value(), 300);
}

TEST(ScrollBarTest, DraggedThumbFollowsTheMouseAndSnapsBackFarFromTheBar) {
    BarFixture f;
    f.bar->setValue(400);
    std::vector<int32_t> seen;
    f.bar->onValueChanged = [&seen](int32_t v) { seen.push_back(v); };
    f.press(Point{6, 90}); // 7 pixels into the thumb
    EXPECT_EQ(f.window.mouseGrabber(), f.bar);
    f.move(Point{6, 140}); // thumb at 133: 121 of 141
    EXPECT_EQ(f.bar->value(), 687);
    f.move(Point{12 + 130, 140});
    EXPECT_EQ(f.bar->value(), 400);
    f.move(Point{20, 140});
    EXPECT_EQ(f.bar->value(), 687);
    f.move(Point{6, 500});
    EXPECT_EQ(f.bar->value(), 800);
    f.release(Point{6, 500});
    EXPECT_EQ(f.window.mouseGrabber(), nullptr);
    f.window.dispatchMouse(NativeMouseKind::Move, Point{6, 20}, 0, 0, 0);
    EXPECT_EQ(f.bar->value(), 800);
    EXPECT_EQ(seen, (std::vector<int32_t>{687, 400, 687, 800}));
}

TEST(ScrollBarTest, HeldArrowsAndTrackRepeatUntilTheThumbReachesTheMouse) {
    BarFixture f;
    f.press(Point{6, 195});
    EXPECT_EQ(f.bar->value(), 10);
    f.tick(UIScrollBar::kRepeatTimer, 3);
    EXPECT_EQ(f.bar->value(), 40);
    // Off the arrow the repeats pause, and go on when the mouse returns.
    f.move(Point{6, 100});
    f.tick(UIScrollBar::kRepeatTimer);
    EXPECT_EQ(f.bar->value(), 40);
    f.move(Point{6, 195});
    f.tick(UIScrollBar::kRepeatTimer);
    EXPECT_EQ(f.bar->value(), 50);
    f.release(Point{6, 195});
    f.tick(UIScrollBar::kRepeatTimer);
    EXPECT_EQ(f.bar->value(), 50);

    f.bar->setValue(0);
    f.press(Point{6, 150});
    EXPECT_EQ(f.bar->value(), 200);
    f.tick(UIScrollBar::kRepeatTimer, 10);
    // At 600 the thumb (118 to 153) lies under the mouse.
    EXPECT_EQ(f.bar->value(), 600);
    f.release(Point{6, 150});
    f.press(Point{6, 5});
    EXPECT_EQ(f.bar->value(), 590);
}

TEST(ScrollBarTest, WheelGlidesByTheUsersLinesAndLetsGoAtTheEnds) {
    BarFixture f;
    f.bar->setSmoothScrolling(true);
    f.window.dispatchWheel(Point{6, 100}, -120, true, 0); // three lines down
    EXPECT_EQ(f.bar->targetValue(), 30);
    f.tick(UIScrollBar::kGlideTimer);
    EXPECT_GT(f.bar->value(), 0);
    EXPECT_LT(f.bar->value(), 30);
    f.tick(UIScrollBar::kGlideTimer, 16);
    EXPECT_EQ(f.bar->value(), 30);
    EXPECT_FALSE(f.bar->isGliding());
    // A fine wheel's thirds of a notch add up to one.
    for (int i = 0; i < 3; ++i) {
        f.window.dispatchWheel(Point{6, 100}, -40, true, 0);
    }
    EXPECT_EQ(f.bar->targetValue(), 60);
    // A notch never scrolls more than a page.
    f.bar->setPageStep(20);
    EXPECT_TRUE(f.bar->scrollByWheel(120, true));
    EXPECT_EQ(f.bar->targetValue(), 40);
    // A jump ends the glide; at the end the wheel is left to the parent.
    f.bar->setValue(f.bar->maximum());
    EXPECT_FALSE(f.bar->isGliding());
    EXPECT_FALSE(f.bar->scrollByWheel(-120, true));
    EXPECT_TRUE(f.bar->scrollByWheel(120, true));
}

TEST(ScrollBarTest, SkinsReplacedPerInstanceAndThePropertyTable) {
    BarFixture f;
    const Skin standard = makeSkin(u"UIScrollBar_VerticalBackground", 12, 16);
    const Skin slim = makeSkin(u"ScrollBar_VerticalBackground", 10, 16);
    f.bar->bindSkin(u"UIScrollBar_VerticalBackground", standard);
    EXPECT_EQ(f.bar->thickness(), 12);
    EXPECT_TRUE(
        f.bar->replaceSkin(u"UIScrollBar_VerticalBackground", u"ScrollBar_VerticalBackground"));
    EXPECT_FALSE(f.bar->replaceSkin(u"UIList_Background", u"ScrollBar_VerticalBackground"));
    f.bar->bindSkin(u"ScrollBar_VerticalBackground", slim);
    EXPECT_EQ(f.bar->thickness(), 10);
    // The style applied again keeps the replacement.
    f.bar->bindSkin(u"UIScrollBar_VerticalBackground", standard);
    EXPECT_EQ(f.bar->thickness(), 10);
    // An ordinary bar is not affected.
    UIScrollBar other;
    other.bindSkin(u"ScrollBar_VerticalBackground", slim);
    other.bindSkin(u"UIScrollBar_VerticalBackground", standard);
    EXPECT_EQ(other.thickness(), 12);

    f.bar->setProperty(u"thickness", u"16");
    EXPECT_EQ(f.bar->thickness(), 16);
    f.window.setWindowDpi(144);
    EXPECT_EQ(f.bar->thickness(), 24);
    EXPECT_EQ(f.bar->sizeHint().width, 24);
    f.bar->setProperty(u"thumbMinimumLength", u"40");
    EXPECT_EQ(f.bar->thumbMinimumLength(), 60);
    // Names of other classes change nothing.
    f.bar->setProperty(u"iconModeItemSize", u"300,300");
    f.bar->setProperty(u"padding", u"30");
    EXPECT_EQ(f.bar->thickness(), 24);
    EXPECT_EQ(f.bar->thumbMinimumLength(), 60);
    UIButton button(u"OK");
    const Size hint = button.sizeHint();
    button.setProperty(u"thickness", u"40");
    button.setProperty(u"iconModeItemSize", u"300,300");
    EXPECT_EQ(button.sizeHint(), hint);
}

} // namespace
} // namespace fw
