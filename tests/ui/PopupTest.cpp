#include "ui/UIButton.h"
#include "ui/UIMenu.h"
#include "ui/UIToolTip.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

struct MenuFixture {
    MenuFixture() {
        owner.setGeometry(Rect{0, 0, 400, 300});
        menu.addItem(1, u"&Alpha");
        menu.addSeparator();
        menu.addItem(2, u"Beta").enabled = false;
        UIMenu* sub = menu.addSubmenu(u"Gamma");
        sub->addItem(3, u"Delta");
        sub->addItem(4, u"&Epsilon");
        menu.addItem(5, u"Gone");
        menu.onTriggered = [this](int32_t id) { triggered.push_back(id); };
        menu.popup(Point{10, 10}, &owner);
    }
    void key(uint32_t k) { owner.dispatchKey(true, k, 0); }
    UIWindow owner;
    UIMenu menu;
    std::vector<int32_t> triggered;
};

TEST(PopupTest, MenuChosenWithArrowsRightAndEnter) {
    MenuFixture f;
    ASSERT_TRUE(f.menu.isOpen());
    EXPECT_EQ(f.owner.activePopup(), &f.menu);
    f.key(KeyDown); // Alpha
    f.key(KeyDown); // Beta: disabled items are highlighted but never chosen
    EXPECT_EQ(f.menu.hoveredIndex(), 2);
    f.key(KeyReturn);
    EXPECT_TRUE(f.menu.isOpen());
    f.key(KeyDown);  // Gamma
    f.key(KeyRight); // opens it on Delta
    f.key(KeyDown);  // Epsilon
    f.key(KeyReturn);
    EXPECT_FALSE(f.menu.isOpen());
    EXPECT_EQ(f.owner.activePopup(), nullptr);
    EXPECT_TRUE(f.triggered.empty()); // not before the current event is over
    eventLoop().processPendingEvents();
    EXPECT_EQ(f.triggered, (std::vector<int32_t>{4}));
}

TEST(PopupTest, MenuKeysWrapEscapeAndAccelerators) {
    MenuFixture f;
    f.key(KeyUp); // from nothing to the last item
    EXPECT_EQ(f.menu.hoveredIndex(), 4);
    f.key(KeyDown); // wraps to the first
    EXPECT_EQ(f.menu.hoveredIndex(), 0);
    f.key(KeyDown);
    f.key(KeyDown);
    f.key(KeyRight);
    f.key(KeyEscape); // closes the submenu only
    EXPECT_TRUE(f.menu.isOpen());
    EXPECT_EQ(f.menu.hoveredIndex(), 3);
    f.owner.dispatchChar(u'a');
    EXPECT_FALSE(f.menu.isOpen());
    eventLoop().processPendingEvents();
    EXPECT_EQ(f.triggered, (std::vector<int32_t>{1}));

    MenuFixture g;
    g.key(KeyEscape);
    EXPECT_FALSE(g.menu.isOpen());
    eventLoop().processPendingEvents();
    EXPECT_TRUE(g.triggered.empty());
}

TEST(PopupTest, MenuClosesOnAPressOutsideWithoutPassingItOn) {
    MenuFixture f;
    int clicks = 0;
    auto* button = f.owner.add<UIButton>(u"under the menu");
    button->setGeometry(Rect{200, 150, 150, 100});
    button->onClicked = [&clicks] { ++clicks; };
    f.owner.dispatchMouse(NativeMouseKind::Press, {300, 200}, MouseLeft, MouseLeft, 0);
    f.owner.dispatchMouse(NativeMouseKind::Release, {300, 200}, MouseLeft, 0, 0);
    EXPECT_FALSE(f.menu.isOpen());
    EXPECT_EQ(clicks, 0);
}

TEST(PopupTest, ToolTipStaysInsideTheDesktop) {
    const Rect desktop{0, 0, 1920, 1040};
    EXPECT_EQ(UIToolTip::placement({100, 100}, {200, 50}, desktop, 20), (Point{100, 120}));
    // Near the right edge it moves left; near the bottom it goes above the cursor.
    EXPECT_EQ(UIToolTip::placement({1900, 100}, {200, 50}, desktop, 20), (Point{1720, 120}));
    EXPECT_EQ(UIToolTip::placement({100, 1030}, {200, 50}, desktop, 20), (Point{100, 978}));
    // On a second monitor left of the first.
    const Rect left{-1280, 0, 1280, 1024};
    EXPECT_EQ(UIToolTip::placement({-10, 50}, {200, 50}, left, 20), (Point{-200, 70}));
}

} // namespace
} // namespace fw
