#include "SyntheticInput_win.h"

#include "resources/StyleResources.h"
#include "ui/UIComboBox.h"
#include "ui/UIComboBoxPopup.h"
#include "ui/UIMenu.h"
#include "ui/UIMenuBar.h"
#include "ui/UISlider.h"
#include "ui/UIWindow.h"

#include "platform/Time.h"
#include "platform/Win32.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fw {
namespace {

using namespace input;

class ChoiceWidgetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
    }
};

// A shown, active window; `place` adds and places its widgets.
struct TestWindow {
    explicit TestWindow(const std::function<void(UIWindow&)>& place) {
        place(window);
        window.setScreenRect(Rect{200, 200, 360, 240});
        window.show();
        window.activate();
        pump(300, [this] { return window.isActive(); });
    }
    Point screenPoint(const UIWidget& widget, Point local) {
        Rect r = widget.windowRect();
        return window.nativeWindow().clientToScreen(Point{r.x + local.x, r.y + local.y});
    }
    UIWindow window;
};

TEST_F(ChoiceWidgetsTest, ComboBoxChosenWithTheMouse) {
    UIComboBox* box = nullptr;
    TestWindow w([&box](UIWindow& window) {
        box = window.add<UIComboBox>();
        box->setGeometry(Rect{20, 20, 160, 26});
        for (const char16_t* text : {u"BMP", u"PNG", u"JPEG"}) {
            box->addItem(text);
        }
    });
    ASSERT_TRUE(w.window.isActive());
    clickAt(w.screenPoint(*box, Point{40, 13}));
    pump(1000, [box] { return box->isPopupOpen(); });
    ASSERT_TRUE(box->isPopupOpen());
    UIComboBoxPopup& list = *box->popup();
    EXPECT_TRUE(::IsWindowVisible(static_cast<HWND>(list.nativeWindow().handle())));
    // Below the box, at least as wide.
    const Rect boxOnScreen{w.screenPoint(*box, Point{}).x, w.screenPoint(*box, Point{}).y, 160, 26};
    EXPECT_EQ(list.screenRect().y, boxOnScreen.bottom());
    EXPECT_GE(list.screenRect().width, 160);
    const Rect item = list.itemRect(2);
    const Point onItem{list.screenRect().x + item.x + item.width / 2,
                       list.screenRect().y + item.y + item.height / 2};
    moveMouseTo(onItem);
    pump(500, [&list] { return list.highlighted() == 2; });
    EXPECT_EQ(list.highlighted(), 2);
    clickAt(onItem);
    pump(1000, [box] { return box->currentIndex() == 2; });
    EXPECT_EQ(box->currentIndex(), 2);
    EXPECT_FALSE(box->isPopupOpen());
    EXPECT_FALSE(::IsWindowVisible(static_cast<HWND>(list.nativeWindow().handle())));

    // A click beside the open list closes it and changes nothing.
    clickAt(w.screenPoint(*box, Point{40, 13}));
    pump(1000, [box] { return box->isPopupOpen(); });
    ASSERT_TRUE(box->isPopupOpen());
    clickAt(w.screenPoint(*box, Point{300, 200}));
    pump(1000, [box] { return !box->isPopupOpen(); });
    EXPECT_FALSE(box->isPopupOpen());
    EXPECT_EQ(box->currentIndex(), 2);
}

TEST_F(ChoiceWidgetsTest, ComboBoxChosenWithTheKeyboard) {
    UIComboBox* box = nullptr;
    TestWindow w([&box](UIWindow& window) {
        box = window.add<UIComboBox>();
        box->setGeometry(Rect{20, 20, 160, 26});
        for (const char16_t* text : {u"BMP", u"PNG", u"JPEG"}) {
            box->addItem(text);
        }
    });
    box->setFocus();
    std::vector<int32_t> changes;
    box->onChanged = [&changes](int32_t index) { changes.push_back(index); };
    press(VK_END);
    pump(500, [box] { return box->currentIndex() == 2; });
    press('B'); // the letter typed jumps
    pump(500, [box] { return box->currentIndex() == 0; });
    EXPECT_EQ(changes, (std::vector<int32_t>{2, 0}));
    sendKeys({{VK_MENU, false}, {VK_DOWN, false}, {VK_DOWN, true}, {VK_MENU, true}});
    pump(1000, [box] { return box->isPopupOpen(); });
    ASSERT_TRUE(box->isPopupOpen());
    press(VK_DOWN);
    press(VK_RETURN);
    pump(1000, [box] { return !box->isPopupOpen(); });
    EXPECT_EQ(box->currentIndex(), 1);
    // The window kept the keyboard: no system menu came up for the Alt key.
    EXPECT_TRUE(w.window.isActive());
    press(VK_DOWN);
    pump(500, [box] { return box->currentIndex() == 2; });
    EXPECT_EQ(changes, (std::vector<int32_t>{2, 0, 1, 2}));
}

TEST_F(ChoiceWidgetsTest, SliderHandleDraggedWithTheMouse) {
    UISlider* slider = nullptr;
    TestWindow w([&slider](UIWindow& window) {
        slider = window.add<UISlider>();
        slider->setGeometry(Rect{20, 40, 240, 30});
        slider->setRange(0, 100);
    });
    std::vector<int32_t> values;
    slider->onValueChanged = [&values](int32_t v) { values.push_back(v); };
    const Rect handle = slider->handleRect();
    const Point grip =
        w.screenPoint(*slider, Point{handle.x + handle.width / 2, handle.y + handle.height / 2});
    moveMouseTo(grip);
    pump(100);
    mouse(MOUSEEVENTF_LEFTDOWN);
    for (int32_t dx = 10; dx <= 100; dx += 10) {
        moveMouseTo(Point{grip.x + dx, grip.y + 5});
        pump(20);
    }
    const int32_t expected =
        slider->valueAt(Point{handle.x + handle.width / 2 + 100, handle.y + handle.height / 2});
    pump(300, [&] { return slider->value() == expected; });
    mouse(MOUSEEVENTF_LEFTUP);
    pump(100);
    EXPECT_GT(expected, 30);
    EXPECT_EQ(slider->value(), expected);
    EXPECT_GT(values.size(), 3u); // it followed the mouse, not just the release
    // The handle stays under the mouse, to the rounding of the value.
    EXPECT_NEAR(slider->handleRect().x + slider->handleRect().width / 2,
                handle.x + handle.width / 2 + 100, 2);
}

TEST_F(ChoiceWidgetsTest, MenuBarOpensWithAltAndALetter) {
    UIMenuBar* bar = nullptr;
    std::vector<int32_t> chosen;
    TestWindow w([&](UIWindow& window) {
        bar = window.add<UIMenuBar>();
        for (const char16_t* title : {u"&File", u"&Edit"}) {
            UIMenu* menu = bar->addMenu(title);
            menu->addItem(1, u"One");
            menu->addItem(2, u"Two");
            menu->onTriggered = [&chosen](int32_t id) { chosen.push_back(id); };
        }
        bar->setGeometry(Rect{0, 0, 360, 28});
    });
    sendKeys({{VK_MENU, false}, {'E', false}, {'E', true}, {VK_MENU, true}});
    pump(1000, [bar] { return bar->openIndex() == 1; });
    ASSERT_EQ(bar->openIndex(), 1);
    press(VK_DOWN);
    press(VK_RETURN);
    pump(1000, [&chosen] { return !chosen.empty(); });
    EXPECT_EQ(chosen, (std::vector<int32_t>{2}));
    EXPECT_FALSE(bar->isKeyboardMode());
    EXPECT_TRUE(w.window.isActive());
}

} // namespace
} // namespace fw
