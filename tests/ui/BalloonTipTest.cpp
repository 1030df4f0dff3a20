#include "ui/TextLayout.h"
#include "ui/UIBalloonTip.h"

#include "DrawRecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fw {
namespace {

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

TEST(UIBalloonTipTest, ArrowSideFollowsTheRoomAndTheBalloonStaysOnTheDesktop) {
    const Size body{200, 100};
    const BalloonArrow arrow{8, 16, 12, 1}; // adds 7 pixels to the body
    const Rect screen{0, 0, 1000, 800};
    struct Row {
        Point anchor;
        Rect desktop;
        BalloonSide preferred;
        BalloonSide side;
        Rect window;
        Rect arrow;
    };
    const std::vector<Row> rows = {
        // Over a notification icon: above it, the arrow under the point.
        {{900, 790},
         screen,
         BalloonSide::Bottom,
         BalloonSide::Bottom,
         {800, 683, 200, 107},
         {92, 99, 16, 8}},
        // In the corner the arrow stops short of the balloon's rounded end.
        {{995, 790},
         screen,
         BalloonSide::Bottom,
         BalloonSide::Bottom,
         {800, 683, 200, 107},
         {172, 99, 16, 8}},
        // No room above: below the point.
        {{500, 50},
         screen,
         BalloonSide::Bottom,
         BalloonSide::Top,
         {400, 50, 200, 107},
         {92, 0, 16, 8}},
        {{500, 400},
         screen,
         BalloonSide::Top,
         BalloonSide::Top,
         {400, 400, 200, 107},
         {92, 0, 16, 8}},
        // A low desktop: beside the point, where there is room.
        {{10, 60},
         {0, 0, 1000, 120},
         BalloonSide::Bottom,
         BalloonSide::Left,
         {10, 10, 207, 100},
         {0, 42, 8, 16}},
        {{990, 60},
         {0, 0, 1000, 120},
         BalloonSide::Bottom,
         BalloonSide::Right,
         {783, 10, 207, 100},
         {199, 42, 8, 16}},
        // Room nowhere: as much of it as fits, from the desktop's corner.
        {{75, 45},
         {0, 0, 150, 90},
         BalloonSide::Bottom,
         BalloonSide::Bottom,
         {0, 0, 200, 107},
         {67, 99, 16, 8}},
    };
    for (const Row& row : rows) {
        BalloonPlacement p = placeBalloon(row.anchor, body, row.desktop, arrow, row.preferred);
        const std::string at = std::to_string(row.anchor.x) + "," + std::to_string(row.anchor.y);
        EXPECT_EQ(p.side, row.side) << at;
        EXPECT_EQ(p.window, row.window) << at;
        EXPECT_EQ(p.arrow, row.arrow) << at;
        EXPECT_EQ(p.body.width, 200) << at;
        if (row.desktop.width >= 207) {
            EXPECT_TRUE(inside(p.window, row.desktop)) << at;
        }
        // The arrow lies over the body's edge by the overlap.
        EXPECT_FALSE(intersect(p.arrow, p.body).isEmpty()) << at;
    }
}

struct Balloon {
    Balloon() {
        tip.setTitleText(u"Framewing");      // 72 pixels, bold
        tip.setText(u"Still running here."); // 152 pixels
        tip.place(Point{500, 500}, Rect{0, 0, 1000, 1000});
        tip.onClosed = [this] { ++closed; };
        tip.onClicked = [this] { ++clicked; };
    }
    void press(Point at, uint32_t button = MouseLeft) {
        tip.dispatchMouse(NativeMouseKind::Press, at, button, button, 0);
    }
    void release(Point at, uint32_t button = MouseLeft) {
        tip.dispatchMouse(NativeMouseKind::Release, at, button, 0, 0);
    }
    UIBalloonTip tip;
    int closed = 0;
    int clicked = 0;
};

Point centre(const Rect& r) {
    return Point{r.x + r.width / 2, r.y + r.height / 2};
}

TEST(UIBalloonTipTest, ClosesByItsButtonAndByAClickOnIt) {
    Balloon f;
    const Rect close = f.tip.closeButtonRect();
    const Rect body = f.tip.placement().body;
    ASSERT_TRUE(inside(close, body));
    // Pressed on the button, released beside it: nothing.
    f.press(centre(close));
    f.release(Point{body.x + 20, body.y + 20});
    f.press(centre(close), MouseRight);
    f.release(centre(close), MouseRight);
    EXPECT_EQ(f.closed, 0);
    f.press(centre(close));
    f.release(centre(close));
    EXPECT_EQ(f.closed, 1);
    EXPECT_EQ(f.clicked, 0);
    f.press(Point{body.x + 20, body.y + 20});
    f.release(Point{body.x + 20, body.y + 20});
    f.press(centre(f.tip.placement().arrow));
    f.release(centre(f.tip.placement().arrow));
    EXPECT_EQ(f.clicked, 2);
    EXPECT_EQ(f.closed, 3);
    // The transparent corner beside the arrow is no part of it.
    const Rect window = f.tip.rect();
    f.press(Point{1, window.height - 1});
    f.release(Point{1, window.height - 1});
    EXPECT_EQ(f.closed, 3);
}

TEST(UIBalloonTipTest, DrawsTheArrowOfItsSideAndTheCloseButtonsState) {
    Balloon f;
    Skin background = test::testSkin(u"UIBalloonTip_Background", 1, Size{24, 24});
    Skin close = test::testSkin(u"UIBalloonTip_CloseButton", 3, Size{14, 14});
    Skin top = test::testSkin(u"UIBalloonTip_ArrowTop", 1, Size{16, 8});
    Skin bottom = test::testSkin(u"UIBalloonTip_ArrowBottom", 1, Size{16, 8});
    Skin left = test::testSkin(u"UIBalloonTip_ArrowLeft", 1, Size{8, 16});
    Skin right = test::testSkin(u"UIBalloonTip_ArrowRight", 1, Size{8, 16});
    for (const Skin* skin : {&background, &close, &top, &bottom, &left, &right}) {
        f.tip.bindSkin(skin->name(), *skin);
    }
    using Frames = std::vector<std::pair<int32_t, Rect>>;
    test::Recording drawn = test::recordPaint(f.tip);
    EXPECT_EQ(drawn.framesOf(bottom), (Frames{{0, f.tip.placement().arrow}}));
    EXPECT_TRUE(drawn.framesOf(top).empty());
    EXPECT_EQ(drawn.framesOf(close), (Frames{{0, f.tip.closeButtonRect()}}));

    f.tip.place(Point{500, 10}, Rect{0, 0, 1000, 1000});
    drawn = test::recordPaint(f.tip);
    EXPECT_EQ(f.tip.placement().side, BalloonSide::Top);
    EXPECT_EQ(drawn.framesOf(top), (Frames{{0, f.tip.placement().arrow}}));
    EXPECT_TRUE(drawn.framesOf(bottom).empty());

    const Point onClose = centre(f.tip.closeButtonRect());
    auto closeFrame = [&] { return test::recordPaint(f.tip).framesOf(close).at(0).first; };
    f.tip.dispatchMouse(NativeMouseKind::Move, onClose, 0, 0, 0);
    EXPECT_EQ(closeFrame(), 1);
    f.press(onClose);
    EXPECT_EQ(closeFrame(), 2);
    f.tip.dispatchMouse(NativeMouseKind::Move, Point{onClose.x - 60, onClose.y}, 0, MouseLeft, 0);
    EXPECT_EQ(closeFrame(), 0);

    // A background of the application's own replaces the body and arrow skins.
    f.tip.setProperty(u"background", u"20,40,60");
    drawn = test::recordPaint(f.tip);
    EXPECT_TRUE(drawn.framesOf(background).empty());
    EXPECT_TRUE(drawn.framesOf(top).empty());
}

Color pixelAt(const Image& image, Point at) {
    const uint8_t* p = image.pixel(at.x, at.y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

TEST(UIBalloonTipTest, BackgroundPaintsBodyAndArrowAndCornersFollowTheDiameter) {
    Balloon f;
    const Rect body = f.tip.placement().body;
    const Point corner{body.x, body.y};
    const Point inArrow = centre(f.tip.placement().arrow);
    Image image = f.tip.render();
    EXPECT_EQ(pixelAt(image, corner), 0u); // rounded off: transparent
    const Color plain = pixelAt(image, centre(body));
    EXPECT_EQ(pixelAt(image, inArrow), plain);
    f.tip.setProperty(u"background", u"200,20,20");
    image = f.tip.render();
    EXPECT_EQ(pixelAt(image, centre(body)), rgb(200, 20, 20));
    EXPECT_EQ(pixelAt(image, inArrow), rgb(200, 20, 20));
    f.tip.setProperty(u"cornerDiametr", u"0");
    EXPECT_EQ(pixelAt(f.tip.render(), corner) >> 24, 255u);
}

TEST(UIBalloonTipTest, PropertiesChangeItsSizeAndPlacement) {
    struct Shape {
        Size body;
        BalloonPlacement placement;
    };
    // Near the left edge of the desktop, so that the arrow sits at its limit.
    auto shapeWith = [](const char16_t* name, const char16_t* value) {
        Balloon f;
        if (name) {
            f.tip.setProperty(name, value);
        }
        f.tip.place(Point{10, 500}, Rect{0, 0, 1000, 1000});
        return Shape{f.tip.bodySize(), f.tip.placement()};
    };
    const Shape plain = shapeWith(nullptr, nullptr);
    const Size body = plain.body;
    // Above the point, 7 pixels of arrow under the body, pushed onto the desktop.
    EXPECT_EQ(plain.placement.window,
              (Rect{4, 500 - body.height - 7, body.width, body.height + 7}));
    EXPECT_EQ(plain.placement.arrow.x, 12);

    // Padding 12, 10, 10, 12 by default; spacings 12 and 6.
    EXPECT_EQ(shapeWith(u"padding", u"1,2,3,4").body,
              (Size{body.width - 22 + 4, body.height - 22 + 6}));
    EXPECT_EQ(shapeWith(u"horizontalSpacing", u"20").body, (Size{body.width + 8, body.height}));
    EXPECT_EQ(shapeWith(u"verticalSpacing", u"10").body, (Size{body.width, body.height + 4}));
    const Size largeText = shapeWith(u"font", u"default,24,").body;
    EXPECT_GT(largeText.width, body.width);
    EXPECT_GT(largeText.height, body.height);
    const int32_t titleGrowth = fontMetrics(defaultFont().withSize(36), 96).height -
                                fontMetrics(defaultFont().withFlags(FontBold), 96).height;
    EXPECT_NEAR(shapeWith(u"titleFont", u"default,36,").body.height, body.height + titleGrowth, 2);
    EXPECT_EQ(shapeWith(u"arrowLength", u"20").placement.window.height, body.height + 19);
    EXPECT_EQ(shapeWith(u"arrowThickness", u"30").placement.arrow.width, 30);
    EXPECT_EQ(shapeWith(u"arrowBorderSpacing", u"40").placement.arrow.x, 40);
    EXPECT_EQ(shapeWith(u"desktopPadding", u"50").placement.window.x, 50);
    for (const char16_t* name : {u"iconModeItemSize", u"borderColor", u"minimumSize"}) {
        const Shape other = shapeWith(name, u"90,90");
        EXPECT_EQ(other.body, plain.body);
        EXPECT_EQ(other.placement.window, plain.placement.window);
    }
}

} // namespace
} // namespace fw
