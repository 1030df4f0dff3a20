#include "resources/CursorSet.h"
#include "ui/TextLayout.h"
#include "ui/UILink.h"
#include "ui/UIPicture.h"
#include "ui/UIWindow.h"

#include "DrawRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <vector>

namespace fw {
namespace {

// Text measures half the font height per character natively: 8 pixels at the
// default 12 points and 96 DPI, 16 pixels high.
struct LinkWindow {
    LinkWindow() {
        window.setGeometry(Rect{0, 0, 400, 100});
        link = window.add<UILink>(u"Home page", u"https://framewing.example/");
        link->setGeometry(Rect{10, 10, 300, 20}); // far wider than its 72-pixel text
        UILink::setAddressOpener([this](WideStringView address) {
            opened.emplace_back(address);
            return true;
        });
    }
    ~LinkWindow() { UILink::setAddressOpener(nullptr); }
    void click(Point at) {
        window.dispatchMouse(NativeMouseKind::Press, at, MouseLeft, MouseLeft, 0);
        window.dispatchMouse(NativeMouseKind::Release, at, MouseLeft, 0, 0);
    }
    void hover(Point at) { window.dispatchMouse(NativeMouseKind::Move, at, 0, 0, 0); }
    void key(uint32_t k) {
        window.dispatchKey(true, k, 0);
        window.dispatchKey(false, k, 0);
    }
    UIWindow window;
    UILink* link;
    std::vector<WideString> opened;
};

TEST(UILinkTest, OpensFromItsTextOnlyByMouseEnterAndSpace) {
    LinkWindow f;
    int defaults = 0;
    f.window.setDefaultAction([&defaults] { ++defaults; });
    f.click(Point{200, 20}); // beside the text
    EXPECT_TRUE(f.opened.empty());
    EXPECT_EQ(f.link->cursorAt(Point{190, 10}), CursorArrow);
    EXPECT_EQ(f.link->cursorAt(Point{20, 10}), CursorHand);
    f.click(Point{30, 20});
    EXPECT_EQ(f.opened, (std::vector<WideString>{u"https://framewing.example/"}));
    // Pressed on the text, released beside it: nothing.
    f.window.dispatchMouse(NativeMouseKind::Press, Point{30, 20}, MouseLeft, MouseLeft, 0);
    f.window.dispatchMouse(NativeMouseKind::Release, Point{250, 20}, MouseLeft, 0, 0);
    EXPECT_EQ(f.opened.size(), 1u);

    f.link->setFocus();
    f.key(KeyReturn);
    EXPECT_EQ(f.opened.size(), 2u);
    EXPECT_EQ(defaults, 0); // Enter belongs to the link, not to the window
    f.window.dispatchKey(true, KeySpace, 0);
    EXPECT_EQ(f.opened.size(), 2u); // Space acts on release, as buttons do
    f.window.dispatchKey(false, KeySpace, 0);
    EXPECT_EQ(f.opened.size(), 3u);

    int clicks = 0;
    f.link->onClicked = [&clicks] { ++clicks; };
    f.click(Point{30, 20});
    f.key(KeyReturn);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(f.opened.size(), 3u); // the handler replaces the address

    f.link->setEnabled(false);
    f.click(Point{30, 20});
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(f.link->cursorAt(Point{20, 10}), CursorArrow);
}

// What each colour property draws is seen under Wine; here the states.
TEST(UILinkTest, HoverOverTheTextTakesTheHoveredLookWhichFollowsTheNormalOne) {
    LinkWindow f;
    f.link->setProperty(u"font", u"default,20,");
    f.link->setProperty(u"shadowForeground", u"255,0,0");
    const UILink::Look normal = f.link->currentLook();
    const Size size = f.link->sizeHint();
    EXPECT_EQ(size.height, measureText(u"Home page", defaultFont().withSize(20), 96).height + 2);
    f.hover(Point{200, 20}); // beside the text
    EXPECT_EQ(f.link->currentLook(), normal);
    f.hover(Point{30, 20});
    const UILink::Look hovered = f.link->currentLook();
    // Unset, the hovered font is the font underlined and the shadow the normal one.
    EXPECT_EQ(hovered.font, normal.font.withFlags(FontUnderline));
    EXPECT_EQ(hovered.shadow, normal.shadow);
    EXPECT_NE(hovered.foreground, normal.foreground);
    f.link->setProperty(u"hoveredFont", u"default,14,bold");
    EXPECT_EQ(f.link->currentLook().font.flags, uint32_t(FontBold));
    f.window.dispatchMouseLeave();
    EXPECT_EQ(f.link->currentLook(), normal);
    for (const char16_t* name : {u"iconModeItemSize", u"disabledForeground", u"background"}) {
        f.link->setProperty(name, u"255,0,0");
    }
    EXPECT_EQ(f.link->currentLook(), normal);
    EXPECT_EQ(f.link->sizeHint(), size);
}

struct PictureWindow {
    PictureWindow() {
        window.setGeometry(Rect{0, 0, 200, 200});
        Image image(true, 40, 20);
        for (int32_t i = 0; i < 40 * 20; ++i) {
            uint8_t* p = image.pixels() + i * 4;
            p[0] = 200, p[1] = 40, p[2] = 10, p[3] = 255;
        }
        picture = window.add<UIPicture>(image, u"Ab");
        picture->setGeometry(Rect{10, 10, 100, 60});
    }
    void click(Point at) {
        window.dispatchMouse(NativeMouseKind::Press, at, MouseLeft, MouseLeft, 0);
        window.dispatchMouse(NativeMouseKind::Release, at, MouseLeft, 0, 0);
    }
    UIWindow window;
    UIPicture* picture;
};

TEST(UIPictureTest, PlacesItsImageAndTextAndShrinksToFit) {
    PictureWindow f;
    // 40 x 20, 4 pixels, then the text: one block centred in 100 x 60.
    const Size text = measureText(u"Ab", defaultFont(), 96);
    ASSERT_LE(text.width, 40);
    EXPECT_EQ(f.picture->sizeHint(), (Size{40, 24 + text.height}));
    const int32_t top = (60 - 24 - text.height) / 2;
    EXPECT_EQ(f.picture->imageRect(), (Rect{30, top, 40, 20}));
    EXPECT_EQ(f.picture->textRect(), (Rect{30, top + 24, 40, text.height}));
    test::Recording drawn = test::recordPaint(*f.picture);
    ASSERT_EQ(drawn.draws.size(), 1u);
    EXPECT_EQ(drawn.draws[0].destination, (Rect{30, top, 40, 20}));
    EXPECT_EQ(drawn.draws[0].pixels, f.picture->image().pixels());

    // Too narrow: the picture keeps its proportions, the text its line.
    f.picture->setGeometry(Rect{10, 10, 20, 60});
    const int32_t narrowTop = (60 - 14 - text.height) / 2;
    EXPECT_EQ(f.picture->imageRect(), (Rect{0, narrowTop, 20, 10}));
    EXPECT_EQ(f.picture->textRect(), (Rect{0, narrowTop + 14, 20, text.height}));
    f.picture->setAlignment(AlignLeft | AlignTop);
    EXPECT_EQ(f.picture->imageRect(), (Rect{0, 0, 20, 10}));

    // Disabled, a faded copy is drawn instead.
    f.picture->setEnabled(false);
    drawn = test::recordPaint(*f.picture);
    ASSERT_EQ(drawn.draws.size(), 1u);
    EXPECT_NE(drawn.draws[0].pixels, f.picture->image().pixels());
    EXPECT_LT(drawn.draws[0].pixels[3], 255);
}

TEST(UIPictureTest, OnlyAClickablePictureTakesClicksFocusAndKeys) {
    PictureWindow f;
    int clicks = 0;
    f.picture->onClicked = [&clicks] { ++clicks; };
    f.click(Point{50, 30});
    f.window.dispatchKey(true, KeyTab, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(f.window.focusWidget(), nullptr);
    EXPECT_EQ(f.picture->cursorAt(Point{5, 5}), CursorArrow);

    f.picture->setClickable(true);
    f.click(Point{50, 30});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.picture->cursorAt(Point{5, 5}), CursorHand);
    f.window.dispatchKey(true, KeySpace, 0);
    f.window.dispatchKey(false, KeySpace, 0);
    f.window.dispatchKey(true, KeyReturn, 0);
    EXPECT_EQ(clicks, 3);
    // Released outside: no click.
    f.window.dispatchMouse(NativeMouseKind::Press, Point{50, 30}, MouseLeft, MouseLeft, 0);
    f.window.dispatchMouse(NativeMouseKind::Release, Point{150, 150}, MouseLeft, 0, 0);
    EXPECT_EQ(clicks, 3);
    f.picture->setEnabled(false);
    f.click(Point{50, 30});
    EXPECT_EQ(clicks, 3);
}

TEST(UIPictureTest, FontChangesTheTextLineAndOtherClassesPropertiesNothing) {
    PictureWindow f;
    f.picture->setProperty(u"font", u"default,24,");
    const Size text = measureText(u"Ab", defaultFont().withSize(24), 96);
    EXPECT_EQ(f.picture->sizeHint(), (Size{std::max(40, text.width), 24 + text.height}));
    const Size size = f.picture->sizeHint();
    for (const char16_t* name : {u"iconModeItemSize", u"padding", u"minimumSize"}) {
        f.picture->setProperty(name, u"90,90");
    }
    EXPECT_EQ(f.picture->sizeHint(), size);
}

} // namespace
} // namespace fw
