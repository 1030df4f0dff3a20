#include "ui/EventLoop.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UILayout.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace fw {
namespace {

// A widget of a given logical size that writes down what reaches it.
class Probe : public UIWidget {
public:
    explicit Probe(Size logical, std::vector<std::string>* log = nullptr, std::string id = {})
        : logical_(logical), log_(log), id_(std::move(id)) {}
    Size sizeHint() const override { return px(logical_); }
    bool onMousePress(const MouseEvent& e) override { return note("press", e.position); }
    bool onMouseRelease(const MouseEvent& e) override { return note("release", e.position); }
    bool onMouseDoubleClick(const MouseEvent& e) override { return note("double", e.position); }
    bool onMouseMove(const MouseEvent& e) override { return note("move", e.position); }
    void onMouseEnter() override { note("enter", {}); }
    void onMouseLeave() override { note("leave", {}); }
    bool onKeyPress(const KeyEvent& e) override {
        note("key" + std::to_string(e.key), {});
        return handlesKeys;
    }
    bool handlesMouse = true;
    bool handlesKeys = false;

private:
    bool note(const std::string& what, Point at) {
        if (log_) {
            log_->push_back(id_ + ":" + what + "@" + std::to_string(at.x) + "," +
                            std::to_string(at.y));
        }
        return handlesMouse;
    }
    Size logical_;
    std::vector<std::string>* log_;
    std::string id_;
};

struct Fixture {
    explicit Fixture(int32_t dpi) {
        window.setWindowDpi(dpi);
        auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
        layout->setMargins(10);
        layout->setSpacing(6);
        top = window.add<Probe>(Size{100, 20}, &log, "top");
        top->setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
        middle = window.add<Probe>(Size{50, 40}, &log, "middle");
        middle->setSizePolicy(SizePolicy::Preferred, SizePolicy::Expanding);
        bottom = window.add<Probe>(Size{80, 30}, &log, "bottom");
        layout->addWidget(top, 0, AlignLeft);
        layout->addWidget(middle);
        layout->addWidget(bottom);
        window.setLayout(std::move(layout));
        window.setGeometry(Rect{0, 0, 300 * dpi / 96, 200 * dpi / 96});
        window.layoutNow();
    }
    UIWindow window;
    std::vector<std::string> log;
    Probe* top;
    Probe* middle;
    Probe* bottom;
};

TEST(WidgetTreeTest, LayoutScalesWithTheResolution) {
    Fixture at96(96);
    EXPECT_EQ(at96.top->geometry(), (Rect{10, 10, 100, 20}));
    EXPECT_EQ(at96.bottom->geometry(), (Rect{10, 160, 280, 30}));
    // The expanding middle takes what the others leave.
    EXPECT_EQ(at96.middle->geometry(), (Rect{10, 36, 280, 118}));
    EXPECT_EQ(at96.window.sizeHint(), (Size{120, 20 + 40 + 30 + 12 + 20}));

    Fixture at144(144);
    EXPECT_EQ(at144.top->geometry(), (Rect{15, 15, 150, 30}));
    EXPECT_EQ(at144.bottom->geometry(), (Rect{15, 240, 420, 45}));
    EXPECT_EQ(at144.middle->geometry(), (Rect{15, 54, 420, 177}));
}

TEST(WidgetTreeTest, SpaceShortOfTheHintsShrinksToTheMinimums) {
    std::vector<int32_t> sizes =
        shareSpace(50, {10, 10}, {40, 20}, {0, 0}, {false, false}, {100, 100});
    EXPECT_EQ(sizes, (std::vector<int32_t>{33, 17}));
    sizes = shareSpace(10, {10, 10}, {40, 20}, {0, 0}, {false, false}, {100, 100});
    EXPECT_EQ(sizes, (std::vector<int32_t>{10, 10}));
    // Stretch factors share the rest, limited by the maximums.
    sizes =
        shareSpace(100, {0, 0, 0}, {10, 10, 10}, {1, 3, 0}, {false, false, false}, {100, 30, 100});
    EXPECT_EQ(sizes, (std::vector<int32_t>{60, 30, 10}));
}

TEST(WidgetTreeTest, MouseGoesToTheWidgetUnderItAndStaysWithThePressedOne) {
    Fixture f(96);
    UIWindow& w = f.window;
    w.dispatchMouse(NativeMouseKind::Move, {15, 15}, 0, 0, 0);
    w.dispatchMouse(NativeMouseKind::Press, {15, 15}, MouseLeft, MouseLeft, 0);
    // Held: a move over another widget still reaches the pressed one.
    w.dispatchMouse(NativeMouseKind::Move, {20, 170}, 0, MouseLeft, 0);
    w.dispatchMouse(NativeMouseKind::Release, {20, 170}, MouseLeft, 0, 0);
    w.dispatchMouse(NativeMouseKind::Move, {21, 171}, 0, 0, 0);
    EXPECT_EQ(f.log,
              (std::vector<std::string>{"top:enter@0,0", "top:move@5,5", "top:press@5,5",
                                        "top:move@10,160", "top:release@10,160", "top:leave@0,0",
                                        "bottom:enter@0,0", "bottom:move@11,11"}));
    EXPECT_EQ(w.hoveredWidget(), f.bottom);
    EXPECT_EQ(w.mouseGrabber(), nullptr);
}

TEST(WidgetTreeTest, UnhandledAndDisabledInputGoesToTheParent) {
    Fixture f(96);
    auto* inner = f.middle->add<Probe>(Size{10, 10}, &f.log, "inner");
    inner->setGeometry(Rect{0, 0, 10, 10});
    inner->handlesMouse = false;
    f.window.dispatchMouse(NativeMouseKind::Move, {12, 38}, 0, 0, 0);
    f.log.clear();
    f.window.dispatchMouse(NativeMouseKind::Press, {12, 38}, MouseLeft, MouseLeft, 0);
    f.window.dispatchMouse(NativeMouseKind::Release, {12, 38}, MouseLeft, 0, 0);
    EXPECT_EQ(f.log, (std::vector<std::string>{"inner:press@2,2", "middle:press@2,2",
                                               "middle:release@2,2"}));
    f.log.clear();
    f.middle->setEnabled(false);
    f.window.dispatchMouse(NativeMouseKind::Press, {12, 38}, MouseLeft, MouseLeft, 0);
    EXPECT_TRUE(f.log.empty());
}

TEST(WidgetTreeTest, SecondPressWithinTheTimeIsADoubleClick) {
    uint32_t now = 1000;
    UIWindow::setClock([&now] { return now; });
    Fixture f(96);
    auto click = [&](Point at) {
        f.window.dispatchMouse(NativeMouseKind::Press, at, MouseLeft, MouseLeft, 0);
        f.window.dispatchMouse(NativeMouseKind::Release, at, MouseLeft, 0, 0);
    };
    click({15, 15});
    now += 100;
    click({16, 15});
    now += 100;
    click({16, 15}); // a third press starts over
    now += 5000;
    click({16, 15});
    UIWindow::setClock(nullptr);
    std::vector<std::string> presses;
    for (const std::string& entry : f.log) {
        if (entry.find("press") != std::string::npos || entry.find("double") != std::string::npos) {
            presses.push_back(entry.substr(0, entry.find('@')));
        }
    }
    EXPECT_EQ(presses,
              (std::vector<std::string>{"top:press", "top:double", "top:press", "top:press"}));
}

TEST(WidgetTreeTest, TabMovesFocusInTreeOrderSkippingHiddenAndDisabled) {
    UIWindow window;
    window.setGeometry(Rect{0, 0, 200, 200});
    std::vector<UIButton*> buttons;
    for (int i = 0; i < 4; ++i) {
        buttons.push_back(window.add<UIButton>(u"b"));
        buttons.back()->setGeometry(Rect{0, i * 30, 80, 24});
    }
    auto* label = window.add<Probe>(Size{10, 10});
    label->setGeometry(Rect{100, 0, 10, 10});
    buttons[1]->hide();
    buttons[2]->setEnabled(false);
    window.dispatchKey(true, KeyTab, 0);
    EXPECT_EQ(window.focusWidget(), buttons[0]);
    window.dispatchKey(true, KeyTab, 0);
    EXPECT_EQ(window.focusWidget(), buttons[3]);
    window.dispatchKey(true, KeyTab, 0);
    EXPECT_EQ(window.focusWidget(), buttons[0]);
    window.dispatchKey(true, KeyTab, ModifierShift);
    EXPECT_EQ(window.focusWidget(), buttons[3]);
    EXPECT_TRUE(window.focusCuesVisible());
    // Hiding the focused widget takes its focus away.
    buttons[3]->hide();
    EXPECT_EQ(window.focusWidget(), nullptr);
}

TEST(WidgetTreeTest, KeysBubbleUpAndEnterRunsTheDefaultAction) {
    Fixture f(96);
    int defaults = 0;
    f.window.setDefaultAction([&defaults] { ++defaults; });
    auto* inner = f.middle->add<Probe>(Size{10, 10}, &f.log, "inner");
    inner->setFocusPolicy(FocusPolicy::Strong);
    inner->setGeometry(Rect{0, 0, 10, 10});
    inner->setFocus();
    f.middle->handlesKeys = true;
    f.window.dispatchKey(true, KeyA, 0);
    EXPECT_EQ(f.log, (std::vector<std::string>{"inner:key65@0,0", "middle:key65@0,0"}));
    f.middle->handlesKeys = false;
    f.window.dispatchKey(true, KeyReturn, 0);
    EXPECT_EQ(defaults, 1);
}

TEST(WidgetTreeTest, ButtonsClickOnReleaseInsideSpaceAndEnter) {
    UIWindow window;
    window.setGeometry(Rect{0, 0, 200, 100});
    auto* button = window.add<UIButton>(u"OK");
    button->setGeometry(Rect{10, 10, 80, 24});
    int clicks = 0;
    button->onClicked = [&clicks] { ++clicks; };
    window.dispatchMouse(NativeMouseKind::Press, {20, 20}, MouseLeft, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Release, {20, 20}, MouseLeft, 0, 0);
    EXPECT_EQ(clicks, 1);
    // Pressed, dragged off and released outside: no click.
    window.dispatchMouse(NativeMouseKind::Press, {20, 20}, MouseLeft, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Release, {150, 80}, MouseLeft, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(window.focusWidget(), button);
    window.dispatchKey(true, KeySpace, 0);
    EXPECT_EQ(clicks, 1);
    window.dispatchKey(false, KeySpace, 0);
    EXPECT_EQ(clicks, 2);
    window.dispatchKey(true, KeyReturn, 0);
    EXPECT_EQ(clicks, 3);
    button->setEnabled(false);
    button->click();
    EXPECT_EQ(clicks, 3);
}

TEST(WidgetTreeTest, RadioButtonsAreExclusiveAndFollowTheArrows) {
    UIWindow window;
    window.setGeometry(Rect{0, 0, 200, 100});
    std::vector<UIRadioButton*> radios;
    for (int i = 0; i < 3; ++i) {
        radios.push_back(window.add<UIRadioButton>(u"r"));
        radios.back()->setGeometry(Rect{0, i * 20, 100, 20});
    }
    auto* other = window.add<UIRadioButton>(u"other group", 1);
    other->setChecked(true);
    radios[0]->setChecked(true);
    radios[2]->setChecked(true);
    EXPECT_FALSE(radios[0]->isChecked());
    EXPECT_TRUE(other->isChecked());
    radios[2]->setFocus();
    window.dispatchKey(true, KeyDown, 0);
    EXPECT_TRUE(radios[0]->isChecked());
    EXPECT_FALSE(radios[2]->isChecked());
    EXPECT_EQ(window.focusWidget(), radios[0]);
    // A click on a checked radio button leaves it checked.
    window.dispatchMouse(NativeMouseKind::Press, {5, 5}, MouseLeft, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Release, {5, 5}, MouseLeft, 0, 0);
    EXPECT_TRUE(radios[0]->isChecked());
}

// Widgets come and go at the same addresses; work a dead one deferred must
// never run on whatever widget is born where it lived.
TEST(WidgetTreeTest, DeferredWorkOfADeadWidgetNeverReachesOneBornInItsPlace) {
    alignas(UIButton) unsigned char place[sizeof(UIButton)];
    int runs = 0;
    auto* first = new (place) UIButton(u"first");
    first->defer([&runs] { ++runs; });
    first->~UIButton();
    auto* second = new (place) UIButton(u"second");
    eventLoop().processPendingEvents();
    EXPECT_EQ(runs, 0);
    second->defer([&runs] { ++runs; });
    eventLoop().processPendingEvents();
    EXPECT_EQ(runs, 1);
    second->~UIButton();
}

} // namespace
} // namespace fw
