// The list and its scroll bar on a real window, driven by synthesized input.
#include "SyntheticInput_win.h"

#include "platform/Time.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/UIList.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace fw {
namespace {

using namespace input;

class ListWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
        dataPacks().mount(u"data", distFolder());
    }
};

void sendMouse(Point screen, DWORD flags) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags == 0 ? MOUSEEVENTF_MOVE : flags;
    ::SendInput(1, &input, sizeof(INPUT));
}

// A shown, active window filled by one list.
struct ListWindow {
    ListWindow(UIList::ViewMode mode, int32_t items) {
        list = window.add<UIList>();
        list->setViewMode(mode);
        for (int32_t i = 0; i < items; ++i) {
            list->addItem(u"ScreenShot-" + toWidePadded(i, 4), u"Today");
        }
        window.setScreenRect(Rect{120, 120, 420, 320});
        list->setGeometry(Rect{0, 0, 420, 320});
        window.show();
        window.activate();
        list->setFocus();
        pump(500, [this] { return window.isActive(); });
    }
    Point toScreen(const UIWidget& widget, Point local) {
        return window.nativeWindow().clientToScreen(widget.mapToWindow(local));
    }
    UIWindow window;
    UIList* list;
};

TEST_F(ListWindowTest, ScrollThumbDraggedWithTheMouse) {
    ListWindow w(UIList::ViewMode::List, 300);
    UIScrollBar* bar = w.list->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const Rect thumb = bar->partRect(UIScrollBar::Part::Thumb);
    ASSERT_FALSE(thumb.isEmpty());
    const Point start = w.toScreen(*bar, Point{thumb.x + thumb.width / 2, thumb.y + 4});
    sendMouse(start, 0);
    sendMouse(start, MOUSEEVENTF_LEFTDOWN);
    for (int32_t dy = 10; dy <= 100; dy += 10) {
        sendMouse(Point{start.x, start.y + dy}, 0);
        pump(30, [] { return false; });
    }
    sendMouse(Point{start.x, start.y + 100}, MOUSEEVENTF_LEFTUP);
    pump(500, [&] { return w.window.mouseGrabber() == nullptr; });
    // The thumb moved 100 pixels of the track's free length.
    const int32_t track = bar->height() - 2 * bar->thickness() - thumb.height;
    const int32_t expected = 100 * bar->maximum() / track;
    EXPECT_NEAR(bar->value(), expected, bar->maximum() / track + 1);
    EXPECT_NEAR(bar->partRect(UIScrollBar::Part::Thumb).y, thumb.y + 100, 1);
    EXPECT_GT(w.list->visibleRange().first, 0);
    EXPECT_EQ(w.window.mouseGrabber(), nullptr);
}

TEST_F(ListWindowTest, IconModeSelectionFollowsTheKeyboard) {
    ListWindow w(UIList::ViewMode::Icon, 60);
    const int32_t columns = w.list->geometry().columns();
    ASSERT_GE(columns, 2);
    w.list->setSelectedIndex(0);
    auto expectAfter = [&](WORD key, int32_t index) {
        press(key);
        pump(1000, [&] { return w.list->selectedIndex() == index; });
        EXPECT_EQ(w.list->selectedIndex(), index) << "key " << key;
    };
    expectAfter(VK_RIGHT, 1);
    expectAfter(VK_DOWN, 1 + columns);
    expectAfter(VK_DOWN, 1 + 2 * columns);
    expectAfter(VK_END, 59);
    // The list glides on its timer until the last row is in view.
    UIScrollBar* bar = w.list->verticalScrollBar();
    pump(2000, [&] { return bar->value() == bar->maximum(); });
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(w.list->visibleRange().end, 60);
    expectAfter(VK_HOME, 0);
    pump(2000, [&] { return bar->value() == 0; });
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
} // namespace fw
