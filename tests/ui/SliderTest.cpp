#include "ui/UISlider.h"
#include "ui/UIWindow.h"

#include "ui/TestStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

struct SliderFixture {
    explicit SliderFixture(Direction orientation = Direction::Horizontal) {
        window.setGeometry(Rect{0, 0, 400, 400});
        slider = window.add<UISlider>(orientation);
        slider->setGeometry(orientation == Direction::Horizontal ? Rect{20, 20, 216, 40}
                                                                 : Rect{20, 20, 40, 216});
        slider->setRange(0, 100);
        slider->onValueChanged = [this](int32_t v) { values.push_back(v); };
        slider->setFocus();
    }
    void key(uint32_t k) {
        window.dispatchKey(true, k, 0);
        window.dispatchKey(false, k, 0);
    }
    // A point of the slider in window coordinates.
    Point at(Point local) const { return Point{local.x + 20, local.y + 20}; }
    UIWindow window;
    UISlider* slider;
    std::vector<int32_t> values;
};

TEST(SliderTest, EachPropertyChangesItsOwnPartOnly) {
    struct Look {
        Size hint;
        Rect handle;
        Rect track;
        std::vector<Rect> ticks;
        bool operator==(const Look&) const = default;
    };
    auto lookOf = [](const UISlider& s) {
        return Look{s.sizeHint(), s.handleRect(), s.trackRect(), s.tickRects()};
    };
    for (Direction orientation : {Direction::Horizontal, Direction::Vertical}) {
        const bool horizontal = orientation == Direction::Horizontal;
        SliderFixture plain(orientation);
        plain.slider->setTickPosition(SliderTicks::Below);
        const Look base = lookOf(*plain.slider);
        ASSERT_EQ(base.ticks.size(), 11u); // every page step, both ends
        auto changed = [&](const char16_t* name, const char16_t* value) {
            SliderFixture f(orientation);
            f.slider->setTickPosition(SliderTicks::Below);
            f.slider->setProperty(name, value);
            return lookOf(*f.slider);
        };
        Look l = changed(u"thickLength", u"10");
        EXPECT_EQ(horizontal ? l.ticks[0].height : l.ticks[0].width, 10);
        EXPECT_EQ(horizontal ? l.hint.height : l.hint.width,
                  (horizontal ? base.hint.height : base.hint.width) + 6);
        l = changed(u"trackThickness", u"8");
        EXPECT_EQ(horizontal ? l.track.height : l.track.width, 8);
        EXPECT_EQ(l.handle, base.handle);
        // Each orientation takes its own handle size.
        l = changed(u"handleHorizontalSize", u"30,20");
        EXPECT_EQ(l.handle.width == 30 && l.handle.height == 20, horizontal);
        l = changed(u"handleVerticalSize", u"20,30");
        EXPECT_EQ(l.handle.width == 20 && l.handle.height == 30, !horizontal);
        for (const char16_t* other : {u"iconModeItemSize", u"padding", u"font", u"ThickLength"}) {
            EXPECT_EQ(changed(other, u"33,33"), base) << toUtf8(other);
        }
    }
}

TEST(SliderTest, HandleSkinFollowsTheTicks) {
    // Frame sizes that tell the skins apart.
    test::TestStyle style({{u"UISlider_Handle", 4, 16, 16},
                           {u"UISlider_HandleTop", 4, 11, 18},
                           {u"UISlider_HandleBottom", 4, 12, 18},
                           {u"UISlider_HandleTopAndBottom", 4, 10, 18},
                           {u"UISlider_HandleLeft", 4, 18, 11},
                           {u"UISlider_HandleRight", 4, 18, 12},
                           {u"UISlider_HandleLeftAndRight", 4, 18, 10}});
    struct Case {
        Direction orientation;
        SliderTicks ticks;
        Size handle;
    };
    const Case cases[] = {
        {Direction::Horizontal, SliderTicks::None, {16, 16}},
        {Direction::Horizontal, SliderTicks::Above, {11, 18}},
        {Direction::Horizontal, SliderTicks::Below, {12, 18}},
        {Direction::Horizontal, SliderTicks::BothSides, {10, 18}},
        {Direction::Vertical, SliderTicks::None, {16, 16}},
        {Direction::Vertical, SliderTicks::Left, {18, 11}},
        {Direction::Vertical, SliderTicks::Right, {18, 12}},
        {Direction::Vertical, SliderTicks::BothSides, {18, 10}},
    };
    for (const Case& c : cases) {
        SliderFixture f(c.orientation);
        f.slider->setTickPosition(c.ticks);
        const Rect handle = f.slider->handleRect();
        EXPECT_EQ((Size{handle.width, handle.height}), c.handle)
            << int(c.orientation) << "/" << int(c.ticks);
    }
}

TEST(SliderTest, KeysStepPageAndReachTheEnds) {
    for (Direction orientation : {Direction::Horizontal, Direction::Vertical}) {
        SliderFixture f(orientation);
        f.slider->setSingleStep(5);
        f.slider->setPageStep(20);
        f.key(KeyRight);
        f.key(KeyUp);
        f.key(KeyPageUp);
        f.key(KeyLeft);
        f.key(KeyEnd);
        f.key(KeyPageUp); // already at the maximum: no change
        f.key(KeyPageDown);
        f.key(KeyDown);
        f.key(KeyHome);
        f.key(KeyDown);
        EXPECT_EQ(f.values, (std::vector<int32_t>{5, 10, 30, 25, 100, 80, 75, 0}));
    }
}

TEST(SliderTest, HandleFollowsTheValueAndTheDrag) {
    SliderFixture f;
    // 216 wide with a 16-pixel handle: 200 pixels for 100 steps.
    EXPECT_EQ(f.slider->handleRect().x, 0);
    f.slider->setValue(50);
    EXPECT_EQ(f.slider->handleRect().x, 100);
    const Rect handle = f.slider->handleRect();
    const Point grip = f.at({handle.x + 4, handle.y + handle.height / 2});
    f.window.dispatchMouse(NativeMouseKind::Press, grip, MouseLeft, MouseLeft, 0);
    f.window.dispatchMouse(NativeMouseKind::Move, {grip.x + 40, grip.y + 30}, 0, MouseLeft, 0);
    EXPECT_EQ(f.slider->value(), 70);
    f.window.dispatchMouse(NativeMouseKind::Move, {grip.x + 400, grip.y}, 0, MouseLeft, 0);
    EXPECT_EQ(f.slider->value(), 100);
    f.key(KeyEscape); // gives the drag up
    EXPECT_EQ(f.slider->value(), 50);
    f.window.dispatchMouse(NativeMouseKind::Release, {grip.x + 400, grip.y}, MouseLeft, 0, 0);
    EXPECT_EQ(f.slider->value(), 50);

    // Vertical sliders grow upwards.
    SliderFixture v(Direction::Vertical);
    v.slider->setValue(100);
    EXPECT_EQ(v.slider->handleRect().y, 0);
    EXPECT_EQ(v.slider->valueAt({20, 208}), 0);
}

TEST(SliderTest, PressBesideTheHandlePagesTowardsItWhileHeld) {
    SliderFixture f;
    f.slider->setPageStep(20);
    const Point press = f.at({158, 20}); // the value 75 lies under it
    f.window.dispatchMouse(NativeMouseKind::Press, press, MouseLeft, MouseLeft, 0);
    EXPECT_EQ(f.slider->value(), 20);
    f.slider->OnTimer(1); // the repeat delay ends
    f.slider->OnTimer(2);
    f.slider->OnTimer(2); // stops under the mouse, never beyond
    f.slider->OnTimer(2);
    EXPECT_EQ(f.values, (std::vector<int32_t>{20, 40, 60, 75}));
    f.window.dispatchMouse(NativeMouseKind::Release, press, MouseLeft, 0, 0);
    f.window.dispatchMouse(NativeMouseKind::Press, f.at({2, 20}), MouseLeft, MouseLeft, 0);
    EXPECT_EQ(f.slider->value(), 55);

    // The wheel moves single steps, up or right being larger.
    f.window.dispatchWheel(f.at({2, 20}), 240, true, 0);
    EXPECT_EQ(f.slider->value(), 57);
    f.window.dispatchWheel(f.at({2, 20}), -60, false, 0);
    f.window.dispatchWheel(f.at({2, 20}), -60, false, 0);
    EXPECT_EQ(f.slider->value(), 56);
}

} // namespace
} // namespace fw
