#include "SyntheticInput_win.h"

#include "platform/GdiObjects.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/TextLayout.h"
#include "ui/UIButton.h"
#include "ui/UILayout.h"
#include "ui/UIMenu.h"
#include "ui/UIMessageBox.h"
#include "ui/UIToolTip.h"
#include "ui/UIWindow.h"

#include "platform/GdiObjects.h"
#include "platform/Handles_win.h"
#include "platform/Time.h"

#include <gtest/gtest.h>

#include <psapi.h>

#include <functional>
#include <string>

namespace fw {
namespace {

using namespace input;

class ToolkitWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
        dataPacks().mount(u"data", distFolder());
    }
};

void pressKey(WORD key, bool shift = false) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD k, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = k;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (shift) {
        add(VK_SHIFT, false);
    }
    add(key, false);
    add(key, true);
    if (shift) {
        add(VK_SHIFT, true);
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class Recorder : public UIWidget {
public:
    bool onMousePress(const MouseEvent& e) override {
        presses.push_back(e.button);
        return true;
    }
    bool onMouseRelease(const MouseEvent& e) override {
        releases.push_back(e.button);
        return true;
    }
    bool onWheel(const WheelEvent& e) override {
        wheels.push_back(e.vertical ? e.delta : e.delta * 1000);
        return true;
    }
    std::vector<uint32_t> presses, releases;
    std::vector<int32_t> wheels;
};

HWND handleOf(UIWindow& window) {
    return static_cast<HWND>(window.nativeWindow().handle());
}

TEST_F(ToolkitWindowTest, StylesIconsAndOpacityOfNativeWindows) {
    UIWindow plain;
    ASSERT_TRUE(plain.createNative());
    LONG style = ::GetWindowLongW(handleOf(plain), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS),
              WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
    EXPECT_NE(::SendMessageW(handleOf(plain), WM_GETICON, ICON_SMALL, 0), 0);

    UIWindow popup;
    popup.setWindowFlags(WindowPopup | WindowSystemMenu);
    ASSERT_TRUE(popup.createNative());
    style = ::GetWindowLongW(handleOf(popup), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_EQ(::SendMessageW(handleOf(popup), WM_GETICON, ICON_SMALL, 0), 0);

    NativeWindow& native = plain.nativeWindow();
    native.setOpacity(1.5f);
    EXPECT_FLOAT_EQ(native.opacity(), 1.0f);
    EXPECT_FALSE(::GetWindowLongW(handleOf(plain), GWL_EXSTYLE) & WS_EX_LAYERED);
    native.setOpacity(0.5f);
    ASSERT_TRUE(::GetWindowLongW(handleOf(plain), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(handleOf(plain), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 127);
    // The same opacity again changes nothing, not even an alpha set behind its back.
    ::SetLayeredWindowAttributes(handleOf(plain), 0, 200, LWA_ALPHA);
    native.setOpacity(0.5f);
    ::GetLayeredWindowAttributes(handleOf(plain), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 200);
    native.setOpacity(1.0f);
    EXPECT_FALSE(::GetWindowLongW(handleOf(plain), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(ToolkitWindowTest, PerPixelContentIsScaledToTheWindow) {
    UIWindow window;
    window.setWindowFlags(WindowPopup | WindowTopmost);
    window.setScreenRect(Rect{100, 100, 200, 100});
    window.showNoActivate();
    Image content(true, 100, 50);
    for (int32_t y = 0; y < 50; ++y) {
        for (int32_t x = 0; x < 100; ++x) {
            uint8_t* p = content.pixel(x, y);
            p[0] = x < 50 ? 0 : 255; // blue on the right
            p[2] = x < 50 ? 255 : 0; // red on the left
            p[3] = 255;
        }
    }
    window.nativeWindow().setContent(&content);
    pump(200);
    EXPECT_EQ(window.nativeWindow().frameRect(), (Rect{100, 100, 200, 100}));
    HDC screen = ::GetDC(nullptr);
    COLORREF left = ::GetPixel(screen, 110, 150);
    COLORREF right = ::GetPixel(screen, 290, 150);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(left, RGB(255, 0, 0));
    EXPECT_EQ(right, RGB(0, 0, 255));
}

TEST_F(ToolkitWindowTest, MouseButtonsAndWheelsBecomeToolkitEvents) {
    UIWindow window;
    window.setScreenRect(Rect{50, 50, 200, 150});
    auto* recorder = window.add<Recorder>();
    recorder->setGeometry(Rect{0, 0, 200, 150});
    window.show();
    HWND hwnd = handleOf(window);
    const LPARAM at = MAKELPARAM(20, 20);
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, at);
    ::SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, at);
    ::SendMessageW(hwnd, WM_RBUTTONUP, 0, at);
    ::SendMessageW(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, at);
    ::SendMessageW(hwnd, WM_MBUTTONUP, 0, at);
    ::SendMessageW(hwnd, WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, 1), at);
    ::SendMessageW(hwnd, WM_XBUTTONUP, MAKEWPARAM(0, 1), at);
    ::SendMessageW(hwnd, WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON2, 2), at);
    ::SendMessageW(hwnd, WM_XBUTTONUP, MAKEWPARAM(0, 2), at);
    POINT screen{60, 60};
    ::ClientToScreen(hwnd, &screen);
    ::SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)),
                   MAKELPARAM(screen.x, screen.y));
    ::SendMessageW(hwnd, 0x020E, MAKEWPARAM(0, 240), MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(recorder->presses, (std::vector<uint32_t>{1, 2, 4, 8, 16}));
    EXPECT_EQ(recorder->releases, (std::vector<uint32_t>{1, 2, 4, 8, 16}));
    EXPECT_EQ(recorder->wheels, (std::vector<int32_t>{-120, 240000}));
}

// A shown, active window with two buttons.
struct OwnerWindow {
    OwnerWindow() {
        auto layout = std::make_unique<UIBoxLayout>(Direction::Horizontal);
        first = window.add<UIButton>(u"First");
        second = window.add<UIButton>(u"Second");
        first->setToolTip(u"The first button");
        first->onClicked = [this] { ++firstClicks; };
        layout->addWidget(first);
        layout->addWidget(second);
        window.setLayout(std::move(layout));
        window.setScreenRect(Rect{300, 300, 320, 120});
        window.show();
        window.activate();
        pump(150, [this] { return window.isActive(); });
    }
    UIWindow window;
    UIButton* first;
    UIButton* second;
    int firstClicks = 0;
};

TEST_F(ToolkitWindowTest, TabMovesFocusAndAMenuIsChosenWithTheKeyboard) {
    OwnerWindow owner;
    ASSERT_TRUE(owner.window.isActive());
    pressKey(VK_TAB);
    pump(300, [&] { return owner.window.focusWidget() == owner.first; });
    EXPECT_EQ(owner.window.focusWidget(), owner.first);
    pressKey(VK_TAB);
    pump(300, [&] { return owner.window.focusWidget() == owner.second; });
    EXPECT_EQ(owner.window.focusWidget(), owner.second);

    UIMenu menu;
    menu.addItem(1, u"One");
    menu.addItem(2, u"Two");
    int32_t chosen = -1;
    menu.onTriggered = [&chosen](int32_t id) { chosen = id; };
    menu.popup(Point{320, 330}, &owner.window);
    ASSERT_TRUE(menu.isOpen());
    EXPECT_EQ(UIWindow::windowsOfClass(u"UIMenu").size(), 1u);
    pressKey(VK_DOWN);
    pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    pump(1000, [&chosen] { return chosen != -1; });
    EXPECT_EQ(chosen, 2);
    EXPECT_FALSE(menu.isShown());
}

TEST_F(ToolkitWindowTest, ToolTipShowsAfterTheMouseRests) {
    OwnerWindow owner;
    Rect button = owner.first->windowRect();
    Point screen = owner.window.nativeWindow().clientToScreen(
        Point{button.x + button.width / 2, button.y + button.height / 2});
    moveMouseTo(screen);
    pump(2000, [] { return shownToolTip() != nullptr; });
    UIToolTip* tip = shownToolTip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), u"The first button");
    EXPECT_TRUE(::IsWindowVisible(handleOf(*tip)));
    // Below the cursor, inside the screen.
    EXPECT_GT(tip->screenRect().y, screen.y);
    moveMouseTo(Point{5, 5});
    pump(300, [] { return shownToolTip() == nullptr; });
    EXPECT_EQ(shownToolTip(), nullptr);
}

// Runs `step` once after `delayMs` on the user-interface thread.
class Later : public TimerOwner {
public:
    Later(int32_t delayMs, std::function<void()> step) : step_(std::move(step)) {
        StartTimer(this, 1, delayMs);
    }
    void OnTimer(int32_t id) override {
        StopTimer(this, id);
        step_();
    }

private:
    std::function<void()> step_;
};

TEST_F(ToolkitWindowTest, MessageBoxIsModalAndAnsweredWithTheKeyboard) {
    OwnerWindow owner;
    bool ownerWasDisabled = false;
    bool ownerClickIgnored = false;
    Later answer(300, [&] {
        ownerWasDisabled = !::IsWindowEnabled(handleOf(owner.window));
        // A click on the owner while the box is open goes nowhere.
        Point at = owner.window.nativeWindow().clientToScreen(
            Point{owner.first->windowRect().x + 5, owner.first->windowRect().y + 5});
        ::SetCursorPos(at.x, at.y);
        INPUT click[2]{};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, click, sizeof(INPUT));
        ownerClickIgnored = true;
        pressKey(VK_RIGHT);
        pressKey(VK_RETURN);
    });
    uint32_t chosen = showMessageBox(&owner.window, u"Framewing", u"Delete all screenshots?",
                                     MessageBoxYes | MessageBoxNo, MessageIcon::Question);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(ownerClickIgnored);
    EXPECT_EQ(chosen, uint32_t(MessageBoxNo));
    EXPECT_EQ(owner.firstClicks, 0);
    EXPECT_TRUE(::IsWindowEnabled(handleOf(owner.window)));
    pump(100, [] { return !eventLoop().isModal(); });
    EXPECT_FALSE(eventLoop().isModal());
}

uint64_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(),
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters.PrivateUsage;
}

TEST_F(ToolkitWindowTest, OpeningAndClosingWindowsLeaksNothing) {
    auto cycle = [] {
        UIWindow window;
        auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
        layout->addWidget(window.add<UIButton>(u"A button"));
        window.setLayout(std::move(layout));
        window.setScreenRect(Rect{100, 100, 240, 80});
        window.show();
        ::UpdateWindow(handleOf(window));
        UIMenu menu;
        menu.addItem(1, u"Item");
        menu.popup(Point{120, 120}, &window);
        pump(5);
        menu.closeAll();
        window.hide();
    };
    for (int i = 0; i < 20; ++i) {
        cycle();
    }
    const int32_t gdiObjects = os::gdiObjectCount();
    const int32_t fonts = platformFontCount();
    const uint64_t memory = privateBytes();
    for (int i = 0; i < 200; ++i) {
        cycle();
    }
    EXPECT_EQ(os::gdiObjectCount(), gdiObjects);
    EXPECT_EQ(platformFontCount(), fonts);
    EXPECT_LT(privateBytes(), memory + 4u * 1024 * 1024) << "grew by " << privateBytes() - memory;
}

} // namespace
} // namespace fw
