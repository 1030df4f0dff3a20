#include "SyntheticInput_win.h"

#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIButton.h"
#include "ui/UIGroup.h"
#include "ui/UILayout.h"
#include "ui/UILink.h"
#include "ui/UIPicture.h"
#include "ui/UIWindow.h"

#include "platform/Time.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace fw {
namespace {

using namespace input;

class MiscWidgetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
    }
};

HWND handleOf(UIWindow& window) {
    return static_cast<HWND>(window.nativeWindow().handle());
}

// A shown, active window the balloon and the link belong to.
struct OwnerWindow {
    OwnerWindow() {
        auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
        button = window.add<UIButton>(u"First");
        link = window.add<UILink>(u"Home page", u"https://framewing.example/");
        layout->addWidget(button);
        layout->addWidget(link);
        window.setLayout(std::move(layout));
        window.setScreenRect(Rect{300, 300, 320, 140});
        window.show();
        window.activate();
        pump(150, [this] { return window.isActive(); });
    }
    UIWindow window;
    UIButton* button;
    UILink* link;
};

TEST_F(MiscWidgetsTest, BalloonTipClosesByItsCloseButtonWithoutTakingTheActivation) {
    OwnerWindow owner;
    ASSERT_TRUE(owner.window.isActive());
    UIBalloonTip tip;
    tip.setTitleText(u"Framewing");
    tip.setText(u"Framewing keeps running here. Click the icon to show the window.");
    tip.setTimeout(0);
    int closed = 0, clicked = 0;
    tip.onClosed = [&closed] { ++closed; };
    tip.onClicked = [&clicked] { ++clicked; };
    // Near the bottom-right corner of the 1920 x 1080 screen, as over the tray.
    tip.showAt(Point{1900, 1070}, &owner.window);
    pump(200);
    ASSERT_TRUE(::IsWindowVisible(handleOf(tip)));
    EXPECT_EQ(UIWindow::windowsOfClass(u"UIBalloonTip").size(), 1u);
    EXPECT_EQ(tip.placement().side, BalloonSide::Bottom);
    const Rect frame = tip.nativeWindow().frameRect();
    EXPECT_EQ(frame, tip.placement().window);
    EXPECT_LE(frame.right(), 1920);
    EXPECT_EQ(frame.bottom(), 1070);
    EXPECT_TRUE(owner.window.isActive());

    clickAt(tip.nativeWindow().clientToScreen(centreOf(tip.closeButtonRect())));
    pump(1000, [&closed] { return closed > 0; });
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(clicked, 0);
    EXPECT_FALSE(::IsWindowVisible(handleOf(tip)));
    EXPECT_TRUE(owner.window.isActive());
}

TEST_F(MiscWidgetsTest, BalloonTipTimesOutUnlessTheMouseRestsOnIt) {
    moveMouseTo(Point{5, 5});
    UIBalloonTip tip;
    tip.setText(u"Gone soon.");
    tip.setTimeout(400);
    int closed = 0;
    tip.onClosed = [&closed] { ++closed; };
    tip.showAt(Point{600, 600});
    pump(150);
    moveMouseTo(tip.nativeWindow().clientToScreen(centreOf(tip.placement().body)));
    pump(900);
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(tip.isShown());
    moveMouseTo(Point{5, 5});
    pump(2000, [&closed] { return closed > 0; });
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(tip.isShown());
}

TEST_F(MiscWidgetsTest, LinkIsReachedWithTabAndActivatedWithTheKeyboard) {
    OwnerWindow owner;
    ASSERT_TRUE(owner.window.isActive());
    std::vector<WideString> opened;
    UILink::setAddressOpener([&opened](WideStringView address) {
        opened.emplace_back(address);
        return true;
    });
    press(VK_TAB);
    press(VK_TAB);
    pump(300, [&] { return owner.window.focusWidget() == owner.link; });
    ASSERT_EQ(owner.window.focusWidget(), owner.link);
    press(VK_RETURN);
    pump(300, [&] { return !opened.empty(); });
    EXPECT_EQ(opened, (std::vector<WideString>{u"https://framewing.example/"}));
    int clicks = 0;
    owner.link->onClicked = [&clicks] { ++clicks; };
    press(VK_SPACE);
    pump(300, [&] { return clicks > 0; });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opened.size(), 1u);
    UILink::setAddressOpener(nullptr);
}

// Where pixels close to `color` lie in the image; empty when there are none.
Rect areaOf(const Image& image, Color color) {
    Rect area;
    for (int32_t y = 0; y < image.height(); ++y) {
        for (int32_t x = 0; x < image.width(); ++x) {
            const uint8_t* p = image.pixel(x, y);
            bool matches = p[3] == 255;
            for (int32_t c = 0; c < 3; ++c) {
                matches = matches &&
                          std::abs(int32_t(p[2 - c]) - int32_t(color >> (16 - 8 * c) & 0xFF)) < 32;
            }
            if (matches) {
                area = unite(area, Rect{x, y, 1, 1});
            }
        }
    }
    return area;
}

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGreen = rgb(0, 255, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kHoveredLink = rgb(128, 196, 250);
// Half-transparent black over the grey window.
constexpr Color kPictureShadow = rgb(40, 40, 40);

using Prepare = std::function<void(UIWindow&, UIWidget&)>;

struct LookCase {
    const char* what;
    std::function<std::unique_ptr<UIWidget>()> make;
    const char16_t* property;
    const char16_t* value;
    // A colour appears, the area of a colour moves down, or an area grows.
    enum { Appears, Moves, Grows } effect;
    Color color;
    Prepare prepare = nullptr;
};

// The widget in large bold text on a grey window, in the case's state.
Image renderCase(const LookCase& c, bool withProperty) {
    std::unique_ptr<UIWidget> made = c.make();
    UIWidget& widget = *made;
    widget.setProperty(u"font", u"default,24,bold");
    widget.setProperty(u"titleFont", u"default,24,bold");
    if (withProperty) {
        widget.setProperty(c.property, c.value);
    }
    if (auto* tip = dynamic_cast<UIBalloonTip*>(made.get())) {
        // A balloon is a window of its own.
        if (c.prepare) {
            c.prepare(*tip, *tip);
        }
        tip->place(Point{200, 300}, Rect{0, 0, 1920, 1080});
        return tip->render();
    }
    UIWindow window;
    window.setProperty(u"background", u"80,80,80");
    window.setGeometry(Rect{0, 0, 420, 160});
    window.addChild(std::move(made));
    widget.setGeometry(Rect{10, 10, 400, 140});
    if (c.prepare) {
        c.prepare(window, widget);
    }
    return window.render();
}

std::unique_ptr<UIWidget> makeLink() {
    return std::make_unique<UILink>(u"Home page");
}
std::unique_ptr<UIWidget> makePicture() {
    return std::make_unique<UIPicture>(Image(), u"Full area.");
}
std::unique_ptr<UIWidget> makeGroup() {
    return std::make_unique<UIGroup>(u"Miscellaneous:");
}
std::unique_ptr<UIWidget> makeBalloon() {
    auto tip = std::make_unique<UIBalloonTip>();
    tip->setTitleText(u"Framewing");
    tip->setText(u"Still running.");
    return tip;
}

const Prepare hoverText = [](UIWindow& window, UIWidget&) {
    window.dispatchMouse(NativeMouseKind::Move, Point{30, 80}, 0, 0, 0);
};
const Prepare disable = [](UIWindow&, UIWidget& widget) { widget.setEnabled(false); };
// Shadows one pixel off are mostly under the text: these stand clear of it.
Prepare offset(const char16_t* property, Prepare also = nullptr) {
    return [property, also](UIWindow& window, UIWidget& widget) {
        widget.setProperty(property, u"3,3");
        if (also) {
            also(window, widget);
        }
    };
}
Prepare greenShadow(const char16_t* property) {
    return [property](UIWindow&, UIWidget& widget) { widget.setProperty(property, u"0,255,0"); };
}

TEST_F(MiscWidgetsTest, TextPropertiesChangeWhatIsDrawn) {
    const Prepare shadow = greenShadow(u"shadowForeground");
    const Prepare clear = offset(u"shadowOffset");
    const std::vector<LookCase> cases = {
        {"link", makeLink, u"foreground", u"255,0,0", LookCase::Appears, kRed},
        {"link", makeLink, u"shadowForeground", u"0,255,0", LookCase::Appears, kGreen, clear},
        {"link", makeLink, u"shadowOffset", u"5,5", LookCase::Moves, kGreen, shadow},
        {"link", makeLink, u"hoveredForeground", u"0,0,255", LookCase::Appears, kBlue, hoverText},
        {"link", makeLink, u"hoveredShadowForeground", u"0,255,0", LookCase::Appears, kGreen,
         offset(u"shadowOffset", hoverText)},
        {"link", makeLink, u"hoveredFont", u"default,40,bold", LookCase::Grows, kHoveredLink,
         hoverText},
        {"picture", makePicture, u"foreground", u"255,0,0", LookCase::Appears, kRed},
        {"picture", makePicture, u"shadowOffset", u"3,3", LookCase::Appears, kPictureShadow},
        {"group", makeGroup, u"foreground", u"255,0,0", LookCase::Appears, kRed},
        {"group", makeGroup, u"shadowForeground", u"0,255,0", LookCase::Appears, kGreen, clear},
        {"group", makeGroup, u"shadowOffset", u"5,5", LookCase::Moves, kGreen, shadow},
        {"group", makeGroup, u"disabledForeground", u"255,0,0", LookCase::Appears, kRed, disable},
        {"group", makeGroup, u"disabledShadowForeground", u"0,255,0", LookCase::Appears, kGreen,
         offset(u"shadowOffset", disable)},
        {"balloon", makeBalloon, u"foreground", u"255,0,0", LookCase::Appears, kRed},
        {"balloon", makeBalloon, u"shadowForeground", u"0,255,0", LookCase::Appears, kGreen, clear},
        {"balloon", makeBalloon, u"titleForeground", u"0,0,255", LookCase::Appears, kBlue},
        {"balloon", makeBalloon, u"titleShadowForeground", u"0,255,0", LookCase::Appears, kGreen,
         offset(u"titleShadowOffset")},
        {"balloon", makeBalloon, u"shadowOffset", u"5,5", LookCase::Moves, kGreen, shadow},
        {"balloon", makeBalloon, u"titleShadowOffset", u"5,5", LookCase::Moves, kGreen,
         greenShadow(u"titleShadowForeground")},
    };
    for (const LookCase& c : cases) {
        const std::string name = std::string(c.what) + " " + toUtf8(c.property);
        const Rect before = areaOf(renderCase(c, false), c.color);
        const Rect after = areaOf(renderCase(c, true), c.color);
        if (c.effect == LookCase::Appears) {
            EXPECT_TRUE(before.isEmpty()) << name;
            EXPECT_FALSE(after.isEmpty()) << name;
        } else if (c.effect == LookCase::Moves) {
            EXPECT_FALSE(before.isEmpty()) << name;
            EXPECT_GE(after.bottom() - before.bottom(), 3) << name;
        } else {
            EXPECT_GT(after.height, before.height * 4 / 3) << name;
        }
    }
}

} // namespace
} // namespace fw
