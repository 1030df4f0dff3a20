// The widget gallery shown and used as a user would: every widget in one
// window, reached with the keyboard and the mouse the system synthesizes.
#include "SyntheticInput_win.h"
#include "support/WidgetGallery.h"

#include "platform/ClipboardText.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "shell/Hotkey.h"
#include "shell/UIHotKey.h"
#include "ui/UICheckBox.h"
#include "ui/UIComboBox.h"
#include "ui/UIComboBoxPopup.h"
#include "ui/UILineEdit.h"
#include "ui/UIList.h"
#include "ui/UIMenu.h"
#include "ui/UIScrollBar.h"
#include "ui/UISlider.h"
#include "ui/UISpinBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace fw {
namespace {

using namespace input;

class GalleryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
        dataPacks().mount(u"data", distFolder());
    }
    void SetUp() override {
        ::SetCursorPos(5, 5);
        gallery_ = makeWidgetGallery();
        UIWindow& window = *gallery_.window;
        window.setScreenRect(Rect{40, 40, window.width(), window.height()});
        window.show();
        window.activate();
        pump(500, [&window] { return window.isActive(); });
        ASSERT_TRUE(window.isActive());
    }
    Point at(const UIWidget& widget, Point local) {
        return screenPoint(*gallery_.window, widget, local);
    }
    WidgetGallery gallery_;
};

TEST_F(GalleryTest, LineEditTypingUndoAndItsMenu) {
    UILineEdit& line = *gallery_.lineEdit;
    clickAt(at(line, centreOf(Rect{0, 0, line.width(), line.height()})));
    pump(300, [&line] { return line.hasFocus(); });
    ASSERT_TRUE(line.hasFocus());
    typeText("Shot 1");
    pump(300, [&line] { return line.text().size() == 6; });
    EXPECT_EQ(line.text(), u"Shot 1");
    press(VK_LEFT, VK_SHIFT);
    EXPECT_EQ(line.selectedText(), u"1");
    typeText("2");
    EXPECT_EQ(line.text(), u"Shot 2");
    press('Z', VK_CONTROL);
    EXPECT_EQ(line.text(), u"Shot 1");

    // Select all and copy through the context menu, opened with the mouse.
    press('A', VK_CONTROL);
    const Point inside = at(line, Point{10, line.height() / 2});
    moveMouseTo(inside);
    mouse(MOUSEEVENTF_RIGHTDOWN);
    mouse(MOUSEEVENTF_RIGHTUP);
    pump(1000, [&line] { return line.contextMenu() && line.contextMenu()->isOpen(); });
    ASSERT_TRUE(line.contextMenu() && line.contextMenu()->isOpen());
    // Undo, separator, Cut, Copy: the fourth entry from the keyboard.
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);
    pump(500, [&line] { return !line.contextMenu()->isOpen(); });
    WideString clipboard;
    ASSERT_TRUE(os::systemTextClipboard().readText(clipboard));
    EXPECT_EQ(clipboard, u"Shot 1");
    EXPECT_EQ(line.text(), u"Shot 1");
}

TEST_F(GalleryTest, ComboBoxSliderAndHotKeyField) {
    UIComboBox& combo = *gallery_.comboBox;
    clickAt(at(combo, Point{20, combo.height() / 2}));
    pump(1000, [&combo] { return combo.isPopupOpen(); });
    ASSERT_TRUE(combo.isPopupOpen());
    UIComboBoxPopup& popup = *combo.popup();
    const Rect item = popup.itemRect(1);
    clickAt(Point{popup.screenRect().x + item.x + item.width / 2,
                  popup.screenRect().y + item.y + item.height / 2});
    pump(1000, [&combo] { return combo.currentIndex() == 1; });
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_FALSE(combo.isPopupOpen());
    // The keyboard goes on from there.
    press(VK_DOWN);
    pump(300, [&combo] { return combo.currentIndex() == 2; });
    EXPECT_EQ(combo.currentIndex(), 2);

    UISlider& slider = *gallery_.slider;
    const Rect handle = slider.handleRect();
    const Point grip = at(slider, centreOf(handle));
    const int32_t expected = slider.valueAt(Point{centreOf(handle).x + 60, centreOf(handle).y});
    drag(grip, Point{grip.x + 60, grip.y + 4}, 6);
    EXPECT_GT(expected, 30);
    EXPECT_EQ(slider.value(), expected);
    EXPECT_TRUE(slider.hasFocus());
    // Page Up is the larger value, on a vertical slider too.
    press(VK_PRIOR);
    EXPECT_EQ(slider.value(), expected + 10);

    UIHotKey& field = *gallery_.hotKey;
    clickAt(at(field, Point{10, field.height() / 2}));
    pump(300, [&field] { return field.hasFocus(); });
    ASSERT_TRUE(field.hasFocus());
    press(VK_F5, VK_CONTROL, VK_SHIFT);
    pump(300, [&field] { return field.key() == VK_F5; });
    EXPECT_EQ(field.key(), static_cast<uint32_t>(VK_F5));
    EXPECT_EQ(field.modifiers(), kModControl | kModShift);
}

TEST_F(GalleryTest, IconListByKeyboardAndItsScrollThumb) {
    UIList& list = *gallery_.iconList;
    const int32_t columns = list.geometry().columns();
    ASSERT_GE(columns, 1);
    clickAt(at(list, Point{list.itemRect(0).x + 10, list.itemRect(0).y + 10}));
    pump(500, [&list] { return list.selectedIndex() == 0; });
    EXPECT_EQ(list.selectedIndex(), 0);
    EXPECT_TRUE(list.hasFocus());
    press(VK_DOWN);
    pump(500, [&] { return list.selectedIndex() == columns; });
    EXPECT_EQ(list.selectedIndex(), columns);
    press(VK_END);
    pump(500, [&] { return list.selectedIndex() == list.count() - 1; });
    EXPECT_EQ(list.selectedIndex(), list.count() - 1);
    UIScrollBar& bar = *list.verticalScrollBar();
    pump(2000, [&list] { return list.visibleRange().end == list.count(); });
    EXPECT_EQ(list.visibleRange().end, list.count());
    EXPECT_GT(bar.value(), 0);

    // Dragging the thumb back to the top shows the first row again.
    const Rect thumb = bar.partRect(UIScrollBar::Part::Thumb);
    ASSERT_FALSE(thumb.isEmpty());
    const Point grip = at(bar, centreOf(thumb));
    drag(grip, Point{grip.x, grip.y - bar.height()}, 8);
    pump(500, [&bar] { return bar.value() == 0; });
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(list.visibleRange().first, 0);
    EXPECT_EQ(gallery_.window->mouseGrabber(), nullptr);
}

TEST_F(GalleryTest, TabReachesEveryFieldAndShowsFocus) {
    std::vector<UIWidget*> reached;
    for (int32_t i = 0; i < 60; ++i) {
        press(VK_TAB);
        UIWidget* focus = gallery_.window->focusWidget();
        if (!reached.empty() && focus == reached.front()) {
            break;
        }
        reached.push_back(focus);
    }
    EXPECT_TRUE(gallery_.window->focusCuesVisible());
    for (UIWidget* expected : std::initializer_list<UIWidget*>{
             gallery_.checkBox, gallery_.lineEdit, gallery_.spinBox, gallery_.hotKey,
             gallery_.comboBox, gallery_.slider, gallery_.iconList, gallery_.detailList}) {
        const bool found = std::any_of(reached.begin(), reached.end(), [expected](UIWidget* w) {
            for (; w; w = w->parent()) {
                if (w == expected) {
                    return true;
                }
            }
            return false;
        });
        EXPECT_TRUE(found) << "not reached: " << toUtf8(expected->className());
    }
}

} // namespace
} // namespace fw
