#include "ui/UIButton.h"
#include "ui/UIMenu.h"
#include "ui/UIMenuBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

// A field that uses every key but Alt, as a text field does.
class KeyEater : public UIWidget {
public:
    KeyEater() { setFocusPolicy(FocusPolicy::Strong); }
    bool onKeyPress(const KeyEvent& e) override { return e.key != KeyAlt; }
};

struct BarFixture {
    BarFixture() {
        window.setGeometry(Rect{0, 0, 400, 300});
        bar = window.add<UIMenuBar>();
        const char16_t* titles[] = {u"&File", u"&Edit", u"&View"};
        for (int32_t i = 0; i < 3; ++i) {
            UIMenu* menu = bar->addMenu(titles[i]);
            menu->addItem(i * 10 + 1, u"First");
            menu->addItem(i * 10 + 2, u"Second");
            menu->onTriggered = [this](int32_t id) { chosen.push_back(id); };
        }
        bar->setGeometry(Rect{0, 0, 400, 28});
        button = window.add<UIButton>(u"OK");
        button->setGeometry(Rect{10, 100, 80, 30});
        button->setFocus();
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window.dispatchKey(true, k, modifiers);
        window.dispatchKey(false, k, modifiers);
    }
    void tapAlt() {
        window.dispatchKey(true, KeyAlt, ModifierAlt);
        window.dispatchKey(false, KeyAlt, 0);
    }
    bool onlyOpen(int32_t index) const {
        for (int32_t i = 0; i < bar->count(); ++i) {
            if (bar->menu(i)->isOpen() != (i == index)) {
                return false;
            }
        }
        return bar->openIndex() == index;
    }
    UIWindow window;
    UIMenuBar* bar;
    UIButton* button;
    std::vector<int32_t> chosen;
};

TEST(MenuBarTest, AltThenArrowsWalkTheMenusAndEscapeStepsBack) {
    BarFixture f;
    f.tapAlt();
    ASSERT_TRUE(f.bar->isKeyboardMode());
    EXPECT_EQ(f.bar->highlightedIndex(), 0);
    EXPECT_EQ(f.window.focusWidget(), f.bar);
    f.key(KeyRight);
    f.key(KeyDown);
    EXPECT_TRUE(f.onlyOpen(1));
    EXPECT_EQ(f.bar->menu(1)->hoveredIndex(), 0);
    f.key(KeyRight); // on to the neighbouring menus, round the end
    f.key(KeyRight);
    EXPECT_TRUE(f.onlyOpen(0));
    f.key(KeyLeft);
    EXPECT_TRUE(f.onlyOpen(2));
    EXPECT_EQ(f.window.activePopup(), f.bar->menu(2));
    f.key(KeyEscape); // back to the title
    EXPECT_TRUE(f.onlyOpen(-1));
    EXPECT_TRUE(f.bar->isKeyboardMode());
    EXPECT_EQ(f.bar->highlightedIndex(), 2);
    f.key(KeyEscape); // and out, the focus where it was
    EXPECT_FALSE(f.bar->isKeyboardMode());
    EXPECT_EQ(f.window.focusWidget(), f.button);
    eventLoop().processPendingEvents();
    EXPECT_TRUE(f.chosen.empty());
}

TEST(MenuBarTest, AcceleratorsOpenMenusAndAChoiceEndsKeyboardMode) {
    BarFixture f;
    f.window.dispatchKey(true, KeyAlt, ModifierAlt);
    f.window.dispatchKey(true, 'E', ModifierAlt);
    f.window.dispatchKey(false, 'E', ModifierAlt);
    f.window.dispatchKey(false, KeyAlt, 0);
    ASSERT_TRUE(f.onlyOpen(1));
    f.key(KeyDown);
    f.key(KeyReturn);
    eventLoop().processPendingEvents();
    EXPECT_EQ(f.chosen, (std::vector<int32_t>{12}));
    EXPECT_FALSE(f.bar->isKeyboardMode());
    EXPECT_EQ(f.window.focusWidget(), f.button);

    // F10, then a title's letter typed.
    f.key(KeyF10);
    ASSERT_TRUE(f.bar->isKeyboardMode());
    f.window.dispatchChar(u'v');
    EXPECT_TRUE(f.onlyOpen(2));
    f.key(KeyEscape);
    f.tapAlt(); // Alt in keyboard mode leaves it
    EXPECT_FALSE(f.bar->isKeyboardMode());
}

TEST(MenuBarTest, AltUsedInAChordOrByTheFocusWidgetIsNoMenuKey) {
    BarFixture f;
    // Alt+Tab style: another key between press and release.
    f.window.dispatchKey(true, KeyAlt, ModifierAlt);
    f.window.dispatchKey(true, 'Q', ModifierAlt);
    EXPECT_FALSE(f.window.dispatchKey(false, KeyAlt, 0));
    EXPECT_FALSE(f.bar->isKeyboardMode());
    // A focus widget that uses a chord keeps it, even one naming a title.
    auto* field = f.window.add<KeyEater>();
    field->setGeometry(Rect{10, 150, 100, 20});
    field->setFocus();
    f.window.dispatchKey(true, KeyAlt, ModifierAlt);
    f.window.dispatchKey(true, 'F', ModifierAlt);
    // The release counts as used, so that Windows does not open the window menu.
    EXPECT_TRUE(f.window.dispatchKey(false, KeyAlt, 0));
    EXPECT_FALSE(f.bar->isKeyboardMode());
    EXPECT_TRUE(f.onlyOpen(-1));
    EXPECT_EQ(f.window.focusWidget(), field);
}

TEST(MenuBarTest, ClickOpensAndTheMouseMovesBetweenOpenMenus) {
    BarFixture f;
    const Rect file = f.bar->titleRect(0);
    const Rect view = f.bar->titleRect(2);
    ASSERT_LT(file.right(), view.x);
    f.window.dispatchMouse(NativeMouseKind::Press, {file.x + 3, 10}, MouseLeft, MouseLeft, 0);
    eventLoop().processPendingEvents();
    f.window.dispatchMouse(NativeMouseKind::Release, {file.x + 3, 10}, MouseLeft, 0, 0);
    ASSERT_TRUE(f.onlyOpen(0));
    EXPECT_EQ(f.bar->menu(0)->hoveredIndex(), -1); // the mouse highlights nothing yet
    EXPECT_FALSE(f.bar->isKeyboardMode());
    f.bar->menu(0)->dispatchMouse(NativeMouseKind::Move, {view.x + 3, 10}, 0, 0, 0);
    EXPECT_TRUE(f.onlyOpen(2));
    f.window.dispatchMouse(NativeMouseKind::Press, {300, 250}, MouseLeft, MouseLeft, 0);
    EXPECT_TRUE(f.onlyOpen(-1));
    EXPECT_EQ(f.window.focusWidget(), f.button);
}

} // namespace
} // namespace fw
