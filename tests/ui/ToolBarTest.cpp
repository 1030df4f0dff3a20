#include "ui/UIButton.h"
#include "ui/UIMenu.h"
#include "ui/UIToolBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace fw {
namespace {

Image picture() {
    return Image(true, 16, 16);
}

struct BarFixture {
    explicit BarFixture(int32_t buttonCount, int32_t barWidth = 300) {
        window.setGeometry(Rect{0, 0, 400, 200});
        before = window.add<UIButton>(u"Before");
        before->setGeometry(Rect{0, 100, 80, 30});
        bar = window.add<UIToolBar>();
        for (int32_t i = 0; i < buttonCount; ++i) {
            UIToolButton* button = bar->addButton(WideString(), picture());
            button->setToolTip(u"Tool " + toWide(i));
            button->onClicked = [this, i] { clicks.push_back(i); };
            buttons.push_back(button);
        }
        after = window.add<UIButton>(u"After");
        after->setGeometry(Rect{100, 100, 80, 30});
        bar->setGeometry(Rect{0, 0, barWidth, 36});
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window.dispatchKey(true, k, modifiers);
        window.dispatchKey(false, k, modifiers);
    }
    void clickAt(Point p) {
        window.dispatchMouse(NativeMouseKind::Press, p, MouseLeft, MouseLeft, 0);
        window.dispatchMouse(NativeMouseKind::Release, p, MouseLeft, 0, 0);
    }
    Point centreOf(const UIWidget* w) const {
        Rect r = w->windowRect();
        return Point{r.x + r.width / 2, r.y + r.height / 2};
    }
    UIWindow window;
    UIButton* before;
    UIButton* after;
    UIToolBar* bar;
    std::vector<UIToolButton*> buttons;
    std::vector<int32_t> clicks;
};

TEST(ToolBarTest, PropertiesPlaceButtonsAndSeparators) {
    auto build = [](const char16_t* name, const char16_t* value) {
        auto f = std::make_unique<BarFixture>(2);
        f->bar->addSeparator();
        f->buttons.push_back(f->bar->addButton(WideString(), picture()));
        if (name) {
            f->bar->setProperty(name, value);
        }
        return f;
    };
    auto plain = build(nullptr, nullptr);
    // Padding 6, buttons of a 16-pixel picture and 4 pixels of padding, 2 apart,
    // and a separator 9 wide.
    EXPECT_EQ(plain->buttons[0]->geometry(), (Rect{6, 6, 24, 24}));
    EXPECT_EQ(plain->buttons[1]->geometry(), (Rect{32, 6, 24, 24}));
    EXPECT_EQ(plain->bar->separatorRects(), (std::vector<Rect>{{58, 6, 9, 24}}));
    EXPECT_EQ(plain->buttons[2]->geometry(), (Rect{69, 6, 24, 24}));
    EXPECT_EQ(plain->bar->sizeHint(), (Size{99, 36}));

    auto padded = build(u"padding", u"10,3,10,3");
    EXPECT_EQ(padded->buttons[0]->geometry(), (Rect{10, 3, 24, 30}));
    auto buttonPadded = build(u"buttonPadding", u"2");
    EXPECT_EQ(buttonPadded->buttons[1]->geometry(), (Rect{28, 6, 20, 24}));
    auto spaced = build(u"buttonSpacing", u"5");
    EXPECT_EQ(spaced->buttons[2]->geometry().x, 6 + 24 + 5 + 24 + 5 + 9 + 5);
    auto wide = build(u"intervalThickness", u"20");
    EXPECT_EQ(wide->bar->separatorRects()[0].width, 20);
    for (const char16_t* other : {u"iconModeItemSize", u"spacing", u"Padding", u"font"}) {
        auto f = build(other, u"20");
        EXPECT_EQ(f->bar->sizeHint(), plain->bar->sizeHint()) << toUtf8(other);
        EXPECT_EQ(f->buttons[2]->geometry(), plain->buttons[2]->geometry()) << toUtf8(other);
    }

    // A button's own padding wins over the bar's; text makes it wider.
    auto own = build(nullptr, nullptr);
    own->buttons[0]->setProperty(u"padding", u"8");
    own->bar->setProperty(u"buttonPadding", u"1");
    EXPECT_EQ(own->buttons[0]->geometry().width, 32);
    EXPECT_EQ(own->buttons[1]->geometry().width, 18);
    own->buttons[1]->setText(u"Save");
    EXPECT_GT(own->buttons[1]->geometry().width, 18 + 6);
}

TEST(ToolBarTest, OneTabStopAndArrowsAlongTheBar) {
    BarFixture f(4);
    f.buttons[2]->setEnabled(false);
    f.before->setFocus();
    f.key(KeyTab);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[0]);
    f.key(KeyRight);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[1]);
    f.key(KeyRight); // the disabled button is passed over
    EXPECT_EQ(f.window.focusWidget(), f.buttons[3]);
    f.key(KeyRight);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[0]);
    f.key(KeyEnd);
    f.key(KeyTab); // out of the bar in one step
    EXPECT_EQ(f.window.focusWidget(), f.after);
    f.key(KeyTab, ModifierShift); // and back to the button left last
    EXPECT_EQ(f.window.focusWidget(), f.buttons[3]);
    f.key(KeySpace);
    f.key(KeyReturn);
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{3, 3}));
    // A click does not take the focus.
    f.clickAt(f.centreOf(f.buttons[1]));
    EXPECT_EQ(f.window.focusWidget(), f.buttons[3]);
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{3, 3, 1}));
}

TEST(ToolBarTest, ExclusiveBarKeepsOneButtonChecked) {
    BarFixture f(3);
    f.bar->setExclusive(true);
    for (UIToolButton* button : f.buttons) {
        button->setCheckable(true);
    }
    f.clickAt(f.centreOf(f.buttons[0]));
    f.clickAt(f.centreOf(f.buttons[2]));
    f.clickAt(f.centreOf(f.buttons[2])); // clicking the checked one keeps it
    EXPECT_FALSE(f.buttons[0]->isChecked());
    EXPECT_TRUE(f.buttons[2]->isChecked());
    f.buttons[1]->setChecked(true);
    EXPECT_FALSE(f.buttons[2]->isChecked());
    // Tab into the bar lands on the checked button.
    f.before->setFocus();
    f.key(KeyTab);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[1]);
}

TEST(ToolBarTest, ButtonsThatDoNotFitMoveIntoTheIndicatorMenu) {
    BarFixture f(4, 100);
    ASSERT_EQ(f.bar->overflowed(), (std::vector<UIToolButton*>{f.buttons[2], f.buttons[3]}));
    UIToolButton* indicator = f.bar->overflowButton();
    EXPECT_TRUE(indicator->isVisible());
    EXPECT_LE(indicator->geometry().right(), 94);
    EXPECT_TRUE(f.buttons[2]->geometry().isEmpty());
    f.buttons[3]->setEnabled(false);
    indicator->showMenu(true);
    UIMenu* menu = indicator->menu();
    ASSERT_TRUE(menu->isOpen());
    ASSERT_EQ(menu->items().size(), 2u);
    EXPECT_EQ(menu->items()[0]->text, u"Tool 2");
    EXPECT_FALSE(menu->items()[1]->enabled);
    f.key(KeyReturn);
    eventLoop().processPendingEvents();
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{2}));

    f.bar->setGeometry(Rect{0, 0, 300, 36});
    EXPECT_TRUE(f.bar->overflowed().empty());
    EXPECT_FALSE(indicator->isVisibleFlag());
    EXPECT_FALSE(f.buttons[2]->geometry().isEmpty());
}

TEST(ToolBarTest, MenusDropDownAndArrowsMoveBetweenThem) {
    BarFixture f(3);
    UIMenu* split = f.buttons[0]->setMenu(ToolButtonMenuMode::Split);
    split->addItem(10, u"Ten");
    split->addItem(11, u"Eleven");
    UIMenu* whole = f.buttons[1]->setMenu(ToolButtonMenuMode::Whole);
    whole->addItem(20, u"Twenty");
    std::vector<int32_t> chosen;
    split->onTriggered = [&chosen](int32_t id) { chosen.push_back(id); };

    // The split button's main part clicks; its arrow part opens the menu.
    const Rect arrow = f.buttons[0]->arrowPartRect();
    ASSERT_FALSE(arrow.isEmpty());
    f.clickAt(Point{6 + 4, 18});
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{0}));
    f.clickAt(Point{6 + arrow.x + arrow.width / 2, 18});
    eventLoop().processPendingEvents();
    EXPECT_TRUE(split->isOpen());
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{0}));
    f.key(KeyRight); // the next button with a menu
    EXPECT_FALSE(split->isOpen());
    EXPECT_TRUE(whole->isOpen());
    EXPECT_EQ(f.window.focusWidget(), f.buttons[1]);
    f.key(KeyRight); // past the plain button, round to the first
    EXPECT_TRUE(split->isOpen());
    EXPECT_EQ(split->hoveredIndex(), 0);
    f.key(KeyDown);
    f.key(KeyReturn);
    eventLoop().processPendingEvents();
    EXPECT_EQ(chosen, (std::vector<int32_t>{11}));

    // From the keyboard: Alt+Down on a split button, Space on a whole one.
    f.buttons[0]->setFocus();
    f.key(KeyDown, ModifierAlt);
    EXPECT_TRUE(split->isOpen());
    f.key(KeyEscape);
    f.buttons[1]->setFocus();
    f.key(KeySpace);
    EXPECT_TRUE(whole->isOpen());
    EXPECT_EQ(f.clicks, (std::vector<int32_t>{0}));
}

} // namespace
} // namespace fw
