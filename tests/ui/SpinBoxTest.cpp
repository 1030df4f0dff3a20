#include "ui/TextLayout.h"
#include "ui/UISpinBox.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

struct SpinFixture {
    SpinFixture() {
        window.setGeometry(Rect{0, 0, 300, 100});
        spin = window.add<UISpinBox>();
        spin->setGeometry(Rect{10, 10, 100, 24});
        spin->onValueChanged = [this](int32_t v) { values.push_back(v); };
        spin->lineEdit()->setFocus();
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window.dispatchKey(true, k, modifiers);
        window.dispatchKey(false, k, modifiers);
    }
    void type(WideStringView text) {
        for (char16_t c : text) {
            window.dispatchChar(c);
        }
    }
    void mouse(NativeMouseKind kind, Point local, uint32_t buttons) {
        window.dispatchMouse(kind, spin->mapToWindow(local), MouseLeft, buttons, 0);
    }
    UIWindow window;
    UISpinBox* spin;
    std::vector<int32_t> values;
};

// The buttons are the rightmost 16 pixels: up in the top half, down below.
const Point kUpButton{92, 5};
const Point kDownButton{92, 18};

TEST(SpinBoxTest, PropertiesShapeTheFieldAndTheButtons) {
    SpinFixture f;
    UILineEdit& edit = *f.spin->lineEdit();
    EXPECT_EQ(edit.geometry(), (Rect{0, 0, 100 - 16 - 2, 24}));
    const EditStyle editStyle = edit.editStyle();
    const Size hint = f.spin->sizeHint();
    for (const char16_t* name : {u"foreground", u"iconModeItemSize", u"background", u"padding"}) {
        f.spin->setProperty(name, u"40");
    }
    EXPECT_EQ(edit.editStyle(), editStyle);
    EXPECT_EQ(f.spin->sizeHint(), hint);

    f.spin->setProperty(u"buttonWidth", u"20");
    f.spin->setProperty(u"spacing", u"0");
    EXPECT_EQ(edit.geometry(), (Rect{0, 0, 80, 24}));
    EXPECT_EQ(f.spin->sizeHint().width, hint.width + 4 - 2);
    f.spin->setProperty(u"minimumHeight", u"60");
    EXPECT_EQ(f.spin->sizeHint().height, 60);
    f.spin->setProperty(u"minimumHeight", u"0");
    f.spin->setProperty(u"font", u"default,40,");
    EXPECT_EQ(edit.editStyle().font.size, 40.0f);
    EXPECT_GT(f.spin->sizeHint().width, hint.width + 2);
    // The field's line and frame.
    EXPECT_EQ(f.spin->sizeHint().height, fontMetrics(edit.editStyle().font, edit.dpi()).height + 8);
}

TEST(SpinBoxTest, KeysWheelAndTypingStayInTheRange) {
    SpinFixture f;
    UILineEdit& edit = *f.spin->lineEdit();
    f.spin->setRange(0, 50);
    f.spin->setStep(5);
    f.spin->setValue(10);
    f.key(KeyUp);
    f.key(KeyPageUp);
    f.key(KeyDown);
    f.key(KeyPageDown);
    EXPECT_EQ(f.values, (std::vector<int32_t>{10, 15, 50, 45, 0}));
    EXPECT_EQ(edit.text(), u"0");

    // Typed numbers count at once while they lie in the range; the rest is
    // clamped when the user is done.
    f.key(KeyA, ModifierControl);
    f.type(u"-7x3");
    EXPECT_EQ(edit.text(), u"73");
    EXPECT_EQ(f.spin->value(), 7);
    f.key(KeyReturn);
    EXPECT_EQ(f.spin->value(), 50);
    EXPECT_EQ(edit.text(), u"50");
    f.key(KeyA, ModifierControl);
    f.key(KeyBackspace);
    f.window.setFocusWidget(nullptr);
    EXPECT_EQ(edit.text(), u"50");

    // The wheel steps only while the field has focus.
    auto wheel = [&](int32_t delta) {
        return f.spin->onWheel(WheelEvent{Point{40, 10}, Point{50, 20}, delta, true, 0});
    };
    EXPECT_FALSE(wheel(-120));
    edit.setFocus();
    EXPECT_TRUE(wheel(-120));
    EXPECT_TRUE(wheel(-60));
    EXPECT_EQ(f.spin->value(), 45);
    EXPECT_TRUE(wheel(-60)); // two halves make a notch
    EXPECT_EQ(f.spin->value(), 40);

    f.spin->setRange(-10, 10);
    EXPECT_EQ(f.spin->value(), 10);
    f.key(KeyA, ModifierControl);
    f.type(u"-4");
    EXPECT_EQ(f.spin->value(), -4);
}

TEST(SpinBoxTest, ButtonsStepAndRepeatWhileHeldOnThem) {
    SpinFixture f;
    f.spin->setRange(0, 3);
    f.window.setFocusWidget(nullptr);
    f.mouse(NativeMouseKind::Press, kUpButton, MouseLeft);
    EXPECT_EQ(f.spin->value(), 1);
    EXPECT_TRUE(f.spin->lineEdit()->hasFocus());
    f.spin->OnTimer(1); // the delay before repeating is over
    f.spin->OnTimer(2);
    EXPECT_EQ(f.spin->value(), 2);
    // Off the button the repeat pauses; back on it, it goes on to the end.
    f.mouse(NativeMouseKind::Move, Point{40, 5}, MouseLeft);
    f.spin->OnTimer(2);
    EXPECT_EQ(f.spin->value(), 2);
    f.mouse(NativeMouseKind::Move, kUpButton, MouseLeft);
    f.spin->OnTimer(2);
    f.spin->OnTimer(2);
    EXPECT_EQ(f.spin->value(), 3);
    f.mouse(NativeMouseKind::Release, kUpButton, 0);
    f.spin->OnTimer(2);
    f.mouse(NativeMouseKind::Press, kDownButton, MouseLeft);
    f.mouse(NativeMouseKind::Release, kDownButton, 0);
    f.spin->OnTimer(2);
    EXPECT_EQ(f.values, (std::vector<int32_t>{1, 2, 3, 2}));
}

} // namespace
} // namespace fw
