#include "resources/CursorSet.h"
#include "ui/TextLayout.h"
#include "ui/UIBox.h"
#include "ui/UIButton.h"
#include "ui/UIExpander.h"
#include "ui/UIGroup.h"
#include "ui/UIPicture.h"
#include "ui/UISizeGrip.h"
#include "ui/UIStack.h"
#include "ui/UIWindow.h"

#include "DrawRecorder.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

// A widget of a fixed logical size hint.
class Block : public UIWidget {
public:
    explicit Block(Size logical) : logical_(logical) {}
    Size sizeHint() const override { return px(logical_); }

private:
    Size logical_;
};

void tab(UIWindow& window, uint32_t modifiers = 0) {
    window.dispatchKey(true, KeyTab, modifiers);
}

void click(UIWindow& window, Point at) {
    window.dispatchMouse(NativeMouseKind::Press, at, MouseLeft, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Release, at, MouseLeft, 0, 0);
}

TEST(UIBoxTest, ChildrenOfANestedBoxFollowTheirHintsWhenTheBoxKeepsItsSize) {
    UIWindow window;
    auto* box = window.add<UIBox>(Direction::Horizontal);
    box->boxLayout()->setMargins(0);
    auto* button = box->add<UIButton>(u"Go");
    box->boxLayout()->addWidget(button);
    box->boxLayout()->addStretch();
    window.setLayout(std::make_unique<UIBoxLayout>(Direction::Vertical));
    static_cast<UIBoxLayout*>(window.layout())->addWidget(box);
    window.setGeometry(Rect{0, 0, 400, 100});
    window.layoutNow();
    const int32_t narrow = button->width();
    const Rect boxRect = box->geometry();
    button->setText(u"A much longer caption");
    window.layoutNow();
    EXPECT_EQ(box->geometry(), boxRect);
    EXPECT_GT(button->width(), narrow);
}

TEST(UIBoxTest, SpacersAndLinesTakeTheirShare) {
    UIWindow window;
    window.setWindowDpi(144);
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(0);
    layout->setSpacing(0);
    auto* fixed = window.add<UISpacer>(Size{10, 20});
    auto* line = window.add<UILine>();
    auto* grow = window.addChild(UISpacer::stretch(Direction::Vertical));
    auto* last = window.add<Block>(Size{10, 10});
    for (UIWidget* w : {static_cast<UIWidget*>(fixed), static_cast<UIWidget*>(line), grow,
                        static_cast<UIWidget*>(last)}) {
        layout->addWidget(w);
    }
    window.setLayout(std::move(layout));
    window.setGeometry(Rect{0, 0, 300, 300});
    window.layoutNow();
    EXPECT_EQ(fixed->height(), 30);
    // A line is as thick as its skin (one logical pixel without), as wide as the window.
    const int32_t thickness = line->thickness();
    EXPECT_EQ(line->geometry(), (Rect{0, 30, 300, thickness}));
    EXPECT_EQ(line->lineRect(), (Rect{0, 0, 300, thickness}));
    EXPECT_EQ(last->geometry().bottom(), 300);
    EXPECT_EQ(grow->height(), 300 - 30 - thickness - 15);

    // The skin gives the thickness; a vertical line stands centred.
    window.setWindowDpi(96);
    Skin skin = test::testSkin(u"UILine_Background", 1, Size{2, 2});
    line->bindSkin(u"UILine_Background", skin);
    line->setDirection(Direction::Vertical);
    line->setGeometry(Rect{0, 0, 20, 50});
    EXPECT_EQ(line->lineRect(), (Rect{9, 0, 2, 50}));
    test::Recording drawn = test::recordPaint(*line);
    EXPECT_EQ(drawn.framesOf(skin), (std::vector<std::pair<int32_t, Rect>>{{0, {9, 0, 2, 50}}}));
}

Color pixelAt(const Image& image, int32_t x, int32_t y) {
    const uint8_t* p = image.pixel(x, y);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

TEST(UIBoxTest, BackgroundsFillBoxesPicturesAndGroupFrames) {
    UIWindow window;
    window.setProperty(u"background", u"0,0,0");
    window.setGeometry(Rect{0, 0, 300, 200});
    auto* box = window.add<UIBox>();
    box->setGeometry(Rect{0, 0, 100, 50});
    auto* picture = window.add<UIPicture>();
    picture->setGeometry(Rect{100, 0, 100, 50});
    auto* group = window.add<UIGroup>(u"Title");
    group->setGeometry(Rect{0, 60, 200, 100});
    const Image plain = window.render();
    for (UIWidget* w : {static_cast<UIWidget*>(box), static_cast<UIWidget*>(picture),
                        static_cast<UIWidget*>(group)}) {
        for (const char16_t* name : {u"borderColor", u"iconModeItemSize", u"padding"}) {
            w->setProperty(name, u"10,200,30");
        }
    }
    const Image unchanged = window.render();
    EXPECT_EQ(std::vector<uint8_t>(unchanged.pixels(), unchanged.pixels() + unchanged.byteSize()),
              std::vector<uint8_t>(plain.pixels(), plain.pixels() + plain.byteSize()));
    for (UIWidget* w : {static_cast<UIWidget*>(box), static_cast<UIWidget*>(picture),
                        static_cast<UIWidget*>(group)}) {
        w->setProperty(u"background", u"10,200,30");
    }
    const Image filled = window.render();
    EXPECT_EQ(pixelAt(filled, 50, 25), rgb(10, 200, 30));
    EXPECT_EQ(pixelAt(filled, 150, 25), rgb(10, 200, 30));
    // Inside the frame (whose skin may tint it a little), not above its top edge.
    const Color inside = pixelAt(filled, 100, 130);
    EXPECT_NEAR(int32_t(inside >> 8 & 0xFF), 200, 12);
    EXPECT_NEAR(int32_t(inside >> 16 & 0xFF), 10, 12);
    EXPECT_EQ(pixelAt(filled, 150, 62), rgb(0, 0, 0));
}

// Three pages with one button each, between two buttons outside the stack.
struct StackWindow {
    StackWindow() {
        auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
        before = window.add<UIButton>(u"Before");
        stack = window.add<UIStack>();
        after = window.add<UIButton>(u"After");
        for (int32_t i = 0; i < 3; ++i) {
            UIStackPage* page = stack->addPage();
            UIBoxLayout* column = page->setBoxLayout(Direction::Vertical);
            column->setMargins(0);
            buttons.push_back(page->add<UIButton>(u"Page"));
            column->addWidget(buttons.back());
            column->addWidget(page->add<Block>(Size{100 * (i + 1), 40 * (i + 1)}));
        }
        layout->addWidget(before);
        layout->addWidget(stack, 1);
        layout->addWidget(after);
        window.setLayout(std::move(layout));
        window.setGeometry(Rect{0, 0, 500, 400});
        window.layoutNow();
        stack->onCurrentChanged = [this](int32_t index) { changes.push_back(index); };
    }
    UIWindow window;
    UIButton* before;
    UIButton* after;
    UIStack* stack;
    std::vector<UIButton*> buttons;
    std::vector<int32_t> changes;
};

TEST(UIStackTest, OnlyTheCurrentPageShowsTakesTheMouseAndTheFocus) {
    StackWindow f;
    EXPECT_EQ(f.stack->currentIndex(), 0);
    EXPECT_TRUE(f.stack->page(0)->isVisible());
    EXPECT_FALSE(f.stack->page(1)->isVisible());
    tab(f.window);
    tab(f.window);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[0]);
    tab(f.window);
    EXPECT_EQ(f.window.focusWidget(), f.after);

    f.stack->setCurrentIndex(2);
    f.stack->setCurrentIndex(7); // out of range: nothing
    f.stack->setCurrentIndex(2); // the same: no event
    EXPECT_EQ(f.changes, (std::vector<int32_t>{2}));
    tab(f.window, ModifierShift);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[2]);
    // The mouse reaches the page on top, not the hidden ones under it.
    int clicks[3] = {};
    for (int i = 0; i < 3; ++i) {
        f.buttons[i]->onClicked = [&clicks, i] { ++clicks[i]; };
    }
    Rect at = f.buttons[2]->windowRect();
    click(f.window, Point{at.x + 2, at.y + 2});
    EXPECT_EQ(clicks[0] + clicks[1], 0);
    EXPECT_EQ(clicks[2], 1);
}

TEST(UIStackTest, FocusFollowsThePageAndCtrlTabPages) {
    StackWindow f;
    f.buttons[0]->setFocus();
    f.stack->setCurrentIndex(1);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[1]);
    // Focus outside the stack stays where it is.
    f.before->setFocus();
    f.stack->setCurrentIndex(0);
    EXPECT_EQ(f.window.focusWidget(), f.before);

    f.buttons[0]->setFocus();
    f.window.dispatchKey(true, KeyTab, ModifierControl);
    f.window.dispatchKey(true, KeyTab, ModifierControl);
    EXPECT_EQ(f.stack->currentIndex(), 2);
    f.window.dispatchKey(true, KeyPageDown, ModifierControl); // wraps
    EXPECT_EQ(f.stack->currentIndex(), 0);
    f.window.dispatchKey(true, KeyTab, ModifierControl | ModifierShift);
    f.window.dispatchKey(true, KeyPageUp, ModifierControl);
    EXPECT_EQ(f.stack->currentIndex(), 1);
    EXPECT_EQ(f.window.focusWidget(), f.buttons[1]);
    EXPECT_EQ(f.changes, (std::vector<int32_t>{1, 0, 1, 2, 0, 2, 1}));
}

TEST(UIStackTest, SizeOfTheCurrentPageOrOfTheLargest) {
    StackWindow f;
    const Size first = f.stack->sizeHint();
    f.stack->setCurrentIndex(2);
    const Size third = f.stack->sizeHint();
    EXPECT_EQ(third.width, 300);
    EXPECT_EQ(third.height - first.height, 80);
    f.stack->setCurrentIndex(0);
    f.stack->setUniformSize(true);
    EXPECT_EQ(f.stack->sizeHint(), third);
}

TEST(UIExpanderTest, KeysAndClicksOpenAndClose) {
    UIWindow window;
    window.setGeometry(Rect{0, 0, 300, 200});
    auto* expander = window.add<UIExpander>(u"Details");
    UIBoxLayout* column = expander->contents()->setBoxLayout(Direction::Vertical);
    column->setMargins(0);
    auto* inner = expander->contents()->add<UIButton>(u"Inner");
    column->addWidget(inner);
    expander->setGeometry(Rect{0, 0, 300, 200});
    std::vector<bool> toggles;
    expander->onToggled = [&toggles](bool open) { toggles.push_back(open); };

    const Size closed = expander->sizeHint();
    EXPECT_EQ(closed.height, expander->headerRect().height);
    tab(window);
    tab(window);
    EXPECT_EQ(window.focusWidget(), expander); // the hidden button takes no focus
    window.dispatchKey(true, KeyRight, 0);
    EXPECT_TRUE(expander->isExpanded());
    EXPECT_GT(expander->sizeHint().height, closed.height + inner->sizeHint().height);
    EXPECT_FALSE(window.dispatchKey(true, KeyRight, 0)); // already open: the key goes on
    tab(window);
    EXPECT_EQ(window.focusWidget(), inner);
    // Closing with the focus inside brings it back to the header.
    expander->setExpanded(false);
    EXPECT_EQ(window.focusWidget(), expander);
    window.dispatchKey(true, KeySpace, 0);
    window.dispatchKey(true, KeyReturn, 0);
    window.dispatchKey(true, KeyLeft, 0);
    EXPECT_FALSE(expander->isExpanded());
    // Only a click on the header toggles.
    click(window, Point{250, 100});
    EXPECT_FALSE(expander->isExpanded());
    click(window, Point{5, 5});
    EXPECT_TRUE(expander->isExpanded());
    EXPECT_EQ(toggles, (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(expander->cursorAt(Point{5, 5}), CursorHand);
    EXPECT_EQ(expander->cursorAt(Point{250, 5}), CursorArrow);
}

struct GroupWindow {
    GroupWindow() {
        window.setGeometry(Rect{0, 0, 300, 120});
        group = window.add<UIGroup>(u"Miscellaneous:");
        UIBoxLayout* column = group->contents()->setBoxLayout(Direction::Vertical);
        column->setMargins(0);
        inner = group->contents()->add<UIButton>(u"Inner");
        column->addWidget(inner);
        group->setGeometry(Rect{0, 0, 300, 120});
        group->onToggled = [this](bool on) { toggles.push_back(on); };
    }
    UIWindow window;
    UIGroup* group;
    UIButton* inner;
    std::vector<bool> toggles;
};

TEST(UIGroupTest, UncheckingTheTitleDisablesTheContents) {
    GroupWindow f;
    Rect header = f.group->headerRect();
    const Point onTitle{header.x + 3, header.y + header.height / 2};
    // Not checkable: the title is only a title.
    click(f.window, onTitle);
    EXPECT_TRUE(f.toggles.empty());
    EXPECT_EQ(f.group->focusPolicy(), FocusPolicy::None);

    f.group->setCheckable(true);
    header = f.group->headerRect();
    EXPECT_TRUE(f.group->isChecked());
    f.inner->setFocus();
    click(f.window, onTitle);
    EXPECT_FALSE(f.group->isChecked());
    EXPECT_FALSE(f.inner->isEnabled());
    EXPECT_TRUE(f.group->isEnabled());
    EXPECT_EQ(f.window.focusWidget(), f.group); // the click took it
    // Space on the focused group checks it again.
    f.window.dispatchKey(true, KeySpace, 0);
    f.window.dispatchKey(false, KeySpace, 0);
    EXPECT_TRUE(f.inner->isEnabled());
    // A click in the frame below the title does nothing.
    click(f.window, Point{280, 110});
    f.group->setChecked(false);
    f.group->setCheckable(false); // a plain group never keeps its contents disabled
    EXPECT_TRUE(f.inner->isEnabled());
    EXPECT_EQ(f.toggles, (std::vector<bool>{false, true, false}));
}

TEST(UIGroupTest, IndicatorFramesFollowHoverPressAndState) {
    GroupWindow f;
    Skin indicator = test::testSkin(u"UIGroup_Indicator", 8, Size{16, 16});
    f.group->bindSkin(u"UIGroup_Indicator", indicator);
    f.group->setCheckable(true);
    const Rect header = f.group->headerRect();
    const Point onTitle{header.x + 3, header.y + header.height / 2};
    auto frame = [&] {
        auto frames = test::recordPaint(*f.group).framesOf(indicator);
        return frames.size() == 1 ? frames[0].first : -1;
    };
    EXPECT_EQ(frame(), 4); // checked
    f.window.dispatchMouse(NativeMouseKind::Move, onTitle, 0, 0, 0);
    EXPECT_EQ(frame(), 5);
    f.window.dispatchMouse(NativeMouseKind::Press, onTitle, MouseLeft, MouseLeft, 0);
    EXPECT_EQ(frame(), 6);
    f.window.dispatchMouse(NativeMouseKind::Release, onTitle, MouseLeft, 0, 0);
    EXPECT_EQ(frame(), 1); // unchecked, still hovered
    f.window.dispatchMouse(NativeMouseKind::Move, Point{250, 100}, 0, 0, 0);
    EXPECT_EQ(frame(), 0);
    f.group->setEnabled(false);
    EXPECT_EQ(frame(), 3);
}

TEST(UIGroupTest, PropertiesShapeTheTitleRow) {
    GroupWindow f;
    f.group->setCheckable(true);
    const int32_t title = measureText(u"Miscellaneous:", defaultFont(), 96).width;
    const int32_t line = fontMetrics(defaultFont(), 96).height;
    // Box, gap and title, 10 pixels in; the contents start under the row.
    EXPECT_EQ(f.group->headerRect(), (Rect{10, 0, 16 + 6 + title, std::max(line, 16) + 2}));
    EXPECT_EQ(f.inner->windowRect().y, f.group->headerRect().height);
    f.group->setProperty(u"indicatorSize", u"20,40");
    EXPECT_EQ(f.group->headerRect(), (Rect{10, 0, 20 + 6 + title, 42}));
    f.group->setProperty(u"indicatorSpacing", u"10");
    EXPECT_EQ(f.group->headerRect().width, 20 + 10 + title);
    f.group->setProperty(u"font", u"default,24,");
    const int32_t large = measureText(u"Miscellaneous:", defaultFont().withSize(24), 96).width;
    EXPECT_EQ(f.group->headerRect().width, 20 + 10 + large);
    const Rect header = f.group->headerRect();
    const Size hint = f.group->sizeHint();
    for (const char16_t* name : {u"iconModeItemSize", u"padding", u"minimumSize"}) {
        f.group->setProperty(name, u"40,40");
    }
    EXPECT_EQ(f.group->headerRect(), header);
    EXPECT_EQ(f.group->sizeHint(), hint);
}

TEST(UISizeGripTest, DragResizesTheWindowWithinItsLimits) {
    EXPECT_EQ(UISizeGrip::draggedSize({300, 200}, {290, 190}, {340, 160}, {100, 180}, {1000, 1000}),
              (Size{350, 180}));
    EXPECT_EQ(UISizeGrip::draggedSize({300, 200}, {290, 190}, {990, 990}, {0, 0}, {500, 400}),
              (Size{500, 400}));

    UIWindow window;
    window.setWindowDpi(144);
    auto* grip = window.add<UISizeGrip>();
    EXPECT_EQ(grip->sizeHint(), (Size{18, 18}));
    grip->setProperty(u"size", u"16,16");
    EXPECT_EQ(grip->sizeHint(), (Size{24, 24}));
    grip->setProperty(u"iconModeItemSize", u"50,50");
    EXPECT_EQ(grip->sizeHint(), (Size{24, 24}));
    window.setMinimumSize(Size{200, 150});
    window.setScreenRect(Rect{0, 0, 400, 300});
    grip->setGeometry(Rect{376, 276, 24, 24});
    EXPECT_EQ(grip->cursorAt(Point{}), CursorSizeNorthWestSouthEast);
    window.dispatchMouse(NativeMouseKind::Press, Point{390, 290}, MouseLeft, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Move, Point{450, 330}, 0, MouseLeft, 0);
    EXPECT_EQ(window.screenRect(), (Rect{0, 0, 460, 340}));
    window.dispatchMouse(NativeMouseKind::Move, Point{10, 10}, 0, MouseLeft, 0);
    window.dispatchMouse(NativeMouseKind::Release, Point{10, 10}, MouseLeft, 0, 0);
    EXPECT_EQ(window.screenRect(), (Rect{0, 0, 200, 150}));
    window.dispatchMouse(NativeMouseKind::Move, Point{300, 300}, 0, 0, 0);
    EXPECT_EQ(window.screenRect(), (Rect{0, 0, 200, 150})); // released: no more resizing
}

} // namespace
} // namespace fw
