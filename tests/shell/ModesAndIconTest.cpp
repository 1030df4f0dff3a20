// The mode bar's mouse and keyboard rules, and what the notification icon
// makes of the shell's mouse reports.
#include "shell/NotificationIcon.h"
#include "shell/UIModes.h"
#include "ui/UIMenu.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

struct ModesFixture {
    ModesFixture() {
        modes = window.add<UIModes>();
        for (int32_t mode = 1; mode <= 4; ++mode) {
            modes->addEntry(mode, Image(), u"Mode", u"Tip");
        }
        window.setGeometry(Rect{0, 0, 600, 200});
        modes->setGeometry(Rect{0, 0, modes->sizeHint().width, modes->sizeHint().height});
        modes->onModeChosen = [this](int32_t mode) { chosen.push_back(mode); };
        modes->onCaptureRequested = [this](int32_t mode) { captures.push_back(mode); };
        modes->setCurrentMode(1);
    }
    Point centre(int32_t index) const {
        const Rect r = modes->entryRect(index);
        return Point{r.x + r.width / 2, r.y + r.height / 2};
    }
    void press(Point p) {
        window.dispatchMouse(NativeMouseKind::Press, p, MouseLeft, MouseLeft, 0);
    }
    void release(Point p) { window.dispatchMouse(NativeMouseKind::Release, p, MouseLeft, 0, 0); }
    void click(int32_t index) {
        press(centre(index));
        release(centre(index));
    }
    void key(uint32_t k) {
        window.dispatchKey(true, k, 0);
        window.dispatchKey(false, k, 0);
    }

    UIWindow window;
    UIModes* modes = nullptr;
    std::vector<int32_t> chosen;
    std::vector<int32_t> captures;
};

TEST(ModesTest, AClickChoosesAndASecondClickOnTheChosenEntryCaptures) {
    ModesFixture f;
    f.click(2);
    EXPECT_EQ(f.modes->currentMode(), 3);
    EXPECT_EQ(f.chosen, (std::vector<int32_t>{3}));
    EXPECT_TRUE(f.captures.empty());
    f.click(2);
    EXPECT_EQ(f.captures, (std::vector<int32_t>{3}));
    EXPECT_EQ(f.chosen.size(), 1u);
    // Pressed on one entry, released on another: nothing.
    f.press(f.centre(0));
    f.release(f.centre(3));
    EXPECT_EQ(f.modes->currentMode(), 3);
    EXPECT_EQ(f.chosen.size(), 1u);
    EXPECT_EQ(f.captures.size(), 1u);
    // A mode set by the program is no choice of the user's.
    f.modes->setCurrentMode(4);
    EXPECT_EQ(f.chosen.size(), 1u);
}

TEST(ModesTest, ArrowsChooseNeighboursWithinTheBarAndEnterCaptures) {
    ModesFixture f;
    f.modes->setFocus();
    f.key(KeyLeft);
    EXPECT_EQ(f.modes->currentMode(), 1);
    f.key(KeyRight);
    f.key(KeyRight);
    f.key(KeyRight);
    f.key(KeyRight);
    EXPECT_EQ(f.modes->currentMode(), 4);
    f.key(KeyReturn);
    f.key(KeySpace);
    EXPECT_EQ(f.captures, (std::vector<int32_t>{4, 4}));
}

class CountingIcon : public NotificationIconNative {
public:
    explicit CountingIcon(int& menus) : menus_(menus) {}
    void setImage(const Image&) override {}
    void setTip(WideStringView) override {}
    void show() override {}
    void prepareMenu() override { ++menus_; }
    void raiseMenu(UIMenu&) override {}
    Point anchor() override { return Point{}; }

private:
    int& menus_;
};

TEST(NotificationIconTest, ReleasesClickAndOnlyTheRightOneOpensTheEnabledMenu) {
    int menus = 0;
    NotificationIcon icon([&](NotificationIcon&) { return std::make_unique<CountingIcon>(menus); });
    std::vector<int32_t> clicks;
    icon.onClicked = [&](const NotificationIconEvent& e) { clicks.push_back(e.button); };
    // A double click: two releases, two clicks, nothing for the double click itself.
    for (IconMouse kind :
         {IconMouse::LeftDown, IconMouse::LeftUp, IconMouse::LeftDoubleClick, IconMouse::LeftUp}) {
        icon.mouse(kind, Point{5, 5});
    }
    EXPECT_EQ(clicks, (std::vector<int32_t>{1, 1}));
    icon.mouse(IconMouse::RightUp, Point{5, 5});
    EXPECT_EQ(menus, 0); // no menu yet
    icon.setContextMenu(std::make_unique<UIMenu>());
    icon.contextMenu()->addItem(0, u"Exit");
    icon.contextMenu()->setEnabled(false);
    icon.mouse(IconMouse::RightUp, Point{5, 5});
    EXPECT_EQ(menus, 0);
    icon.contextMenu()->setEnabled(true);
    icon.mouse(IconMouse::RightUp, Point{5, 5});
    EXPECT_EQ(menus, 1);
    EXPECT_TRUE(icon.contextMenu()->isOpen());
    EXPECT_EQ(clicks, (std::vector<int32_t>{1, 1, 2, 2, 2}));
    icon.contextMenu()->closeAll();
}

} // namespace
} // namespace fw
