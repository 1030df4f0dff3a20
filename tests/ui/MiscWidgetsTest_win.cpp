#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIButton.h"
#include "ui/UILayout.h"
#include "ui/UILink.h"
#include "ui/UIWindow.h"

#include "platform/Time.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace fw {
namespace {

WideString distFolder() {
    std::string path = std::string("Z:") + FW_BINARY_DIR + "/dist";
    return replaceAll(fromUtf8(path), u"/", u"\\");
}

class MiscWidgetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
    }
};

void pump(uint32_t milliseconds, const std::function<bool()>& done = nullptr) {
    const uint32_t start = os::tickCount();
    while (os::tickCount() - start < milliseconds) {
        eventLoop().processPendingEvents();
        if (done && done()) {
            return;
        }
        ::Sleep(5);
    }
}

void sendKey(WORD key) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

void moveMouseTo(Point screen) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(INPUT));
}

void clickAt(Point screen) {
    moveMouseTo(screen);
    pump(50);
    INPUT click[2]{};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, click, sizeof(INPUT));
}

HWND handleOf(UIWindow& window) {
    return static_cast<HWND>(window.nativeWindow().handle());
}

Point centre(const Rect& r) {
    return Point{r.x + r.width / 2, r.y + r.height / 2};
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

    clickAt(tip.nativeWindow().clientToScreen(centre(tip.closeButtonRect())));
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
    moveMouseTo(tip.nativeWindow().clientToScreen(centre(tip.placement().body)));
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
    sendKey(VK_TAB);
    sendKey(VK_TAB);
    pump(300, [&] { return owner.window.focusWidget() == owner.link; });
    ASSERT_EQ(owner.window.focusWidget(), owner.link);
    sendKey(VK_RETURN);
    pump(300, [&] { return !opened.empty(); });
    EXPECT_EQ(opened, (std::vector<WideString>{u"https://framewing.example/"}));
    int clicks = 0;
    owner.link->onClicked = [&clicks] { ++clicks; };
    sendKey(VK_SPACE);
    pump(300, [&] { return clicks > 0; });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(opened.size(), 1u);
    UILink::setAddressOpener(nullptr);
}

} // namespace
} // namespace fw
