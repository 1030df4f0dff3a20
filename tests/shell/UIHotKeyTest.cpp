#include "shell/UIHotKey.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

struct HotKeyFixture {
    HotKeyFixture() {
        window.setGeometry(Rect{0, 0, 300, 100});
        field = window.add<UIHotKey>();
        field->setGeometry(Rect{10, 10, 200, 24});
        field->onChanged = [this] { ++changes; };
        field->setFocus();
    }
    void down(uint32_t key, uint32_t modifiers = 0, bool repeat = false) {
        window.dispatchKey(true, key, modifiers, repeat);
    }
    void up(uint32_t key, uint32_t modifiers = 0) { window.dispatchKey(false, key, modifiers); }
    // Presses the keys in order and lets them go in reverse.
    void chord(std::initializer_list<uint32_t> keys) {
        for (uint32_t k : keys) {
            down(k);
        }
        for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) {
            up(*k);
        }
    }
    UIWindow window;
    UIHotKey* field;
    int changes = 0;
};

constexpr uint32_t kF5 = 0x74;

TEST(UIHotKeyTest, RecordsCombinationsAsTheyArePressed) {
    HotKeyFixture f;
    EXPECT_EQ(f.field->text(), u"None");
    f.chord({KeyControl, KeyShift, kF5});
    EXPECT_EQ(f.field->value(), hotkeyValue(kF5, kModControl | kModShift));
    EXPECT_EQ(f.field->text(), u"Control + Shift + F5");
    EXPECT_GT(f.changes, 0);

    // Held modifiers repeat after the key went up: the combination stays.
    f.down(KeyControl);
    f.down(KeyShift);
    f.down(kF5);
    f.up(kF5);
    f.down(KeyShift, 0, true);
    f.down(KeyShift, 0, true);
    f.up(KeyShift);
    f.up(KeyControl);
    EXPECT_EQ(f.field->value(), hotkeyValue(kF5, kModControl | kModShift));

    f.chord({0x53}); // S alone needs a modifier
    EXPECT_EQ(f.field->text(), u"Control + S");
    f.down(KeyAlt);
    EXPECT_EQ(f.field->text(), u"Alt + ");
    f.up(KeyAlt); // modifiers alone are no hotkey
    EXPECT_EQ(f.field->value(), 0);
    EXPECT_EQ(f.field->text(), u"None");
    f.chord({KeyControl, KeyAlt, 0x50});
    EXPECT_EQ(f.field->value(), hotkeyValue(0x50, kModControl | kModAlt));
    f.chord({KeyDelete});
    EXPECT_EQ(f.field->value(), 0);
}

TEST(UIHotKeyTest, WindowKeysKeepTheirMeaningAndAbandonedCombinationsRestore) {
    HotKeyFixture f;
    int accepted = 0;
    f.window.setDefaultAction([&accepted] { ++accepted; });
    f.field->setValue(kF5, kModControl | kModShift);
    EXPECT_TRUE(timerService().isRunning(f.field, UIHotKey::kCaretTimer));
    f.chord({KeyReturn});
    EXPECT_EQ(accepted, 1);
    EXPECT_EQ(f.field->text(), u"Control + Shift + F5");

    // Shift+Tab leaves the field with the combination it had.
    auto* next = f.window.add<UIHotKey>();
    next->setGeometry(Rect{10, 50, 200, 24});
    f.down(KeyShift, ModifierShift);
    EXPECT_EQ(f.field->text(), u"Shift + ");
    f.down(KeyTab, ModifierShift);
    EXPECT_EQ(f.window.focusWidget(), next);
    EXPECT_EQ(f.field->value(), hotkeyValue(kF5, kModControl | kModShift));
    EXPECT_FALSE(timerService().isRunning(f.field, UIHotKey::kCaretTimer));

    // Focus that goes while a key is held with modifiers keeps that key.
    f.field->setFocus();
    f.down(KeyAlt);
    f.down(0x51);
    f.window.setFocusWidget(nullptr);
    EXPECT_EQ(f.field->value(), hotkeyValue(0x51, kModAlt));
}

TEST(UIHotKeyTest, EachPropertyOfTheTableAndNoOther) {
    UIHotKey field;
    const Size hint = field.sizeHint();
    field.setProperty(u"disabledForeground", u"1,2,3");
    field.setProperty(u"iconModeItemSize", u"500,500");
    field.setProperty(u"selectedBackground", u"1,2,3");
    EXPECT_EQ(field.textStyle().disabledForeground, TextStyle().disabledForeground);
    EXPECT_EQ(field.sizeHint(), hint);

    field.setProperty(u"foreground", u"1,2,3");
    field.setProperty(u"shadowForeground", u"4,5,6");
    field.setProperty(u"shadowOffset", u"2,3");
    field.setProperty(u"background", u"7,8,9|10,11,12");
    EXPECT_EQ(field.textStyle().foreground.effectiveColor(), rgb(1, 2, 3));
    EXPECT_EQ(field.textStyle().shadowForeground.effectiveColor(), rgb(4, 5, 6));
    EXPECT_EQ(field.textStyle().shadowOffset, (Point{2, 3}));
    EXPECT_EQ(field.background().gradient.size(), 2u);

    field.setProperty(u"padding", u"20,0,20,0");
    EXPECT_EQ(field.sizeHint().width, hint.width + 28);
    field.setProperty(u"minimumSize", u"500,60");
    EXPECT_EQ(field.sizeHint(), (Size{500, 60}));
    field.setProperty(u"font", u"default,24,");
    EXPECT_EQ(field.textStyle().font.size, 24.0f);
}

} // namespace
} // namespace fw
