#include "ui/UIComboBox.h"
#include "ui/UIComboBoxPopup.h"
#include "ui/UIWindow.h"

#include "ui/TestStyle.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fw {
namespace {

struct ComboFixture {
    explicit ComboFixture(std::vector<WideString> texts) {
        window.setGeometry(Rect{0, 0, 400, 300});
        box = window.add<UIComboBox>();
        box->setGeometry(Rect{10, 10, 200, 28});
        for (size_t i = 0; i < texts.size(); ++i) {
            box->addItem(texts[i], toWide(static_cast<int64_t>(i * 10)));
        }
        box->onChanged = [this](int32_t index) { changes.push_back(index); };
        box->setFocus();
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window.dispatchKey(true, k, modifiers);
        window.dispatchKey(false, k, modifiers);
    }
    void type(const std::u16string& text) {
        for (char16_t c : text) {
            window.dispatchChar(c);
        }
    }
    UIComboBoxPopup& popup() { return *box->popup(); }
    Point itemCentre(int32_t index) {
        Rect r = popup().itemRect(index);
        return Point{r.x + r.width / 2, r.y + r.height / 2};
    }
    // Declared first: it outlives the window, whose widgets may still report.
    std::vector<int32_t> changes;
    UIWindow window;
    UIComboBox* box;
};

std::vector<WideString> numbered(int count) {
    std::vector<WideString> texts;
    for (int i = 0; i < count; ++i) {
        texts.push_back(u"Item " + toWidePadded(i, 2));
    }
    return texts;
}

TEST(ComboBoxTest, EachPropertyChangesItsOwnPartOnly) {
    struct Look {
        Size hint;
        Rect text;
        Rect arrow;
        Rect firstItem;
        bool operator==(const Look&) const = default;
    };
    auto lookOf = [](ComboFixture& f) {
        f.box->showPopup();
        Look look{f.box->sizeHint(), f.box->textRect(), f.box->arrowRect(), f.popup().itemRect(0)};
        f.box->hidePopup();
        return look;
    };
    ComboFixture plain({u"PNG", u"JPEG"});
    const Look base = lookOf(plain);
    struct Case {
        const char16_t* name;
        const char16_t* value;
        std::function<bool(const Look&, UIComboBox&)> changed;
    };
    const std::vector<Case> cases = {
        {u"font", u"default,24,",
         [&](const Look& l, UIComboBox&) {
             return l.hint.height > base.hint.height && l.firstItem.height > base.firstItem.height;
         }},
        {u"padding", u"20", [](const Look& l, UIComboBox&) { return l.text.x == 20; }},
        {u"spacing", u"30",
         [&](const Look& l, UIComboBox&) {
             return l.text.width == base.text.width - 24 && l.arrow == base.arrow;
         }},
        {u"minimumHeight", u"50", [](const Look& l, UIComboBox&) { return l.hint.height == 50; }},
        {u"minimumWidth", u"300", [](const Look& l, UIComboBox&) { return l.hint.width == 300; }},
        {u"maximumWidth", u"40", [](const Look& l, UIComboBox&) { return l.hint.width == 40; }},
        {u"popupPadding", u"10,12,10,12",
         [](const Look& l, UIComboBox&) { return l.firstItem.x == 10 && l.firstItem.y == 12; }},
        {u"popupBackground", u"10,20,30",
         [](const Look&, UIComboBox& b) {
             return b.popupBackground() == Paint::solid(rgb(10, 20, 30));
         }},
        {u"foreground", u"1,2,3",
         [](const Look&, UIComboBox& b) {
             return b.textStyle().foreground == Paint::solid(rgb(1, 2, 3));
         }},
        {u"disabledForeground", u"4,5,6",
         [](const Look&, UIComboBox& b) {
             return b.textStyle().disabledForeground == Paint::solid(rgb(4, 5, 6));
         }},
    };
    for (const Case& c : cases) {
        ComboFixture f({u"PNG", u"JPEG"});
        f.box->setProperty(c.name, c.value);
        EXPECT_TRUE(c.changed(lookOf(f), *f.box)) << toUtf8(c.name);
    }
    // Properties of other classes, and ones the combo box does not list, change nothing.
    for (const char16_t* name : {u"iconModeItemSize", u"thickLength", u"buttonPadding",
                                 u"shadowForeground", u"shadowOffset", u"Padding"}) {
        ComboFixture f({u"PNG", u"JPEG"});
        f.box->setProperty(name, u"40,40");
        EXPECT_EQ(lookOf(f), base) << toUtf8(name);
        EXPECT_EQ(f.box->textStyle().shadowForeground, plain.box->textStyle().shadowForeground);
    }
}

TEST(ComboBoxTest, KeysChangeTheChoiceWithoutOpeningTheList) {
    ComboFixture f(numbered(20));
    f.key(KeyDown);
    f.key(KeyRight);
    EXPECT_EQ(f.box->currentIndex(), 2);
    f.key(KeyUp);
    f.key(KeyLeft);
    f.key(KeyUp); // stays at the first item
    EXPECT_EQ(f.box->currentIndex(), 0);
    f.key(KeyPageDown);
    EXPECT_EQ(f.box->currentIndex(), kComboBoxVisibleItems - 1);
    f.key(KeyEnd);
    EXPECT_EQ(f.box->currentIndex(), 19);
    f.key(KeyPageDown);
    f.key(KeyHome);
    EXPECT_EQ(f.box->currentIndex(), 0);
    EXPECT_FALSE(f.box->isPopupOpen());
    EXPECT_EQ(f.changes, (std::vector<int32_t>{1, 2, 1, 0, 11, 19, 0}));
    EXPECT_EQ(f.box->currentData(), u"0");
}

TEST(ComboBoxTest, TypedLettersJumpExtendAndCycle) {
    ComboFixture f({u"Bitmap", u"Portable", u"png small", u"PNG large", u"Jpeg", u"Bmp"});
    f.type(u"p");
    EXPECT_EQ(f.box->currentIndex(), 1);
    f.type(u"n"); // "pn" within the second: the first item beginning so
    EXPECT_EQ(f.box->currentIndex(), 2);
    f.type(u"g l"); // a space inside a prefix belongs to it
    EXPECT_EQ(f.box->currentIndex(), 3);
    f.box->OnTimer(1); // a pause starts a new prefix
    f.type(u"b");
    EXPECT_EQ(f.box->currentIndex(), 5);
    f.type(u"b"); // the same letter again cycles
    EXPECT_EQ(f.box->currentIndex(), 0);
    f.type(u"bb");
    EXPECT_EQ(f.box->currentIndex(), 0);
    f.box->OnTimer(1);
    f.type(u"x"); // nothing begins so: the choice stays
    EXPECT_EQ(f.box->currentIndex(), 0);
    EXPECT_FALSE(f.box->isPopupOpen());
}

TEST(ComboBoxTest, ListOpensFromTheKeyboardAndOnlyEnterChooses) {
    ComboFixture f({u"BMP", u"PNG", u"JPEG"});
    for (auto [key, modifiers] : {std::pair<uint32_t, uint32_t>{KeyF4, 0},
                                  {KeyDown, ModifierAlt},
                                  {KeyUp, ModifierAlt},
                                  {KeySpace, 0}}) {
        f.key(key, modifiers);
        ASSERT_TRUE(f.box->isPopupOpen()) << key;
        EXPECT_EQ(f.window.activePopup(), &f.popup());
        EXPECT_EQ(f.popup().highlighted(), 0);
        f.key(KeyDown);
        f.key(KeyDown);
        EXPECT_EQ(f.popup().highlighted(), 2);
        f.key(KeyEscape);
        EXPECT_FALSE(f.box->isPopupOpen());
        EXPECT_EQ(f.box->currentIndex(), 0);
    }
    EXPECT_TRUE(f.changes.empty());
    f.key(KeyF4);
    f.key(KeyEnd);
    f.type(u"p"); // letters move the highlight in the open list
    EXPECT_EQ(f.popup().highlighted(), 1);
    f.key(KeyReturn);
    EXPECT_FALSE(f.box->isPopupOpen());
    EXPECT_EQ(f.window.activePopup(), nullptr);
    EXPECT_EQ(f.changes, (std::vector<int32_t>{1}));
    // Alt+Up on the open list closes it with the highlighted item.
    f.key(KeyDown, ModifierAlt);
    f.key(KeyDown);
    f.key(KeyUp, ModifierAlt);
    EXPECT_EQ(f.box->currentIndex(), 2);
}

TEST(ComboBoxTest, MouseOpensHighlightsAndChooses) {
    ComboFixture f({u"BMP", u"PNG", u"JPEG"});
    f.window.dispatchMouse(NativeMouseKind::Press, {50, 20}, MouseLeft, MouseLeft, 0);
    eventLoop().processPendingEvents();
    f.window.dispatchMouse(NativeMouseKind::Release, {50, 20}, MouseLeft, 0, 0);
    ASSERT_TRUE(f.box->isPopupOpen());
    EXPECT_GE(f.popup().width(), 200); // at least as wide as the box
    f.popup().dispatchMouse(NativeMouseKind::Move, f.itemCentre(2), 0, 0, 0);
    EXPECT_EQ(f.popup().highlighted(), 2);
    EXPECT_EQ(f.box->currentIndex(), 0);
    f.popup().dispatchMouse(NativeMouseKind::Press, f.itemCentre(2), MouseLeft, MouseLeft, 0);
    f.popup().dispatchMouse(NativeMouseKind::Release, f.itemCentre(2), MouseLeft, 0, 0);
    EXPECT_FALSE(f.box->isPopupOpen());
    EXPECT_EQ(f.changes, (std::vector<int32_t>{2}));

    // A press outside the list closes it without a choice and goes no further.
    f.box->showPopup();
    f.popup().dispatchMouse(NativeMouseKind::Move, f.itemCentre(1), 0, 0, 0);
    f.window.dispatchMouse(NativeMouseKind::Press, {350, 250}, MouseLeft, MouseLeft, 0);
    f.window.dispatchMouse(NativeMouseKind::Release, {350, 250}, MouseLeft, 0, 0);
    EXPECT_FALSE(f.box->isPopupOpen());
    EXPECT_EQ(f.box->currentIndex(), 2);
}

TEST(ComboBoxTest, LongListScrollsWithWheelKeysAndThumb) {
    ComboFixture f(numbered(30));
    f.box->setCurrentIndex(25);
    f.box->showPopup();
    UIComboBoxPopup& list = f.popup();
    ASSERT_EQ(list.visibleRows(), kComboBoxVisibleItems);
    EXPECT_FALSE(list.itemRect(25).isEmpty()); // the current item is in view
    EXPECT_EQ(list.firstVisible(), 30 - kComboBoxVisibleItems);
    f.window.dispatchWheel({100, 100}, 120, true, 0); // reaches the open list wherever it is
    EXPECT_EQ(list.firstVisible(), 15);
    f.key(KeyHome);
    EXPECT_EQ(list.firstVisible(), 0);
    f.key(KeyPageDown);
    EXPECT_EQ(list.highlighted(), kComboBoxVisibleItems - 1);
    f.key(KeyDown); // past the bottom row the list follows
    EXPECT_EQ(list.firstVisible(), 1);

    // Dragging the thumb to the bottom of the track shows the last items.
    const Rect thumb = list.thumbRect();
    const Rect track = list.trackRect();
    ASSERT_FALSE(thumb.isEmpty());
    const Point grip{thumb.x + 1, thumb.y + 2};
    list.dispatchMouse(NativeMouseKind::Press, grip, MouseLeft, MouseLeft, 0);
    list.dispatchMouse(NativeMouseKind::Move, {grip.x, track.bottom() + 50}, 0, MouseLeft, 0);
    list.dispatchMouse(NativeMouseKind::Release, {grip.x, track.bottom() + 50}, MouseLeft, 0, 0);
    EXPECT_EQ(list.firstVisible(), 30 - kComboBoxVisibleItems);
    EXPECT_TRUE(f.box->isPopupOpen()); // the thumb chose nothing
    EXPECT_EQ(f.box->currentIndex(), 25);
}

TEST(ComboBoxTest, ModelsOfTheStyleFillTheItems) {
    test::TestStyle style({{u"UIComboBox_Arrow", 2, 14, 9}}, R"(<models>
        <model name="OutputFileFormats">
            <item name="BMP" data="0" /><item name="PNG" data="1" /><item name="JPEG" data="2" />
        </model>
        <model name="HistoryModes"><item name="Days" data="0" /></model>
    </models>)");
    ComboFixture f({u"old"});
    EXPECT_EQ(f.box->arrowRect().width, 14); // the style's skin is bound on adding
    ASSERT_TRUE(f.box->setModel(u"OutputFileFormats"));
    ASSERT_EQ(f.box->count(), 3);
    EXPECT_EQ(f.box->itemText(2), u"JPEG");
    EXPECT_EQ(f.box->currentData(), u"0");
    EXPECT_TRUE(f.box->setCurrentData(u"2"));
    EXPECT_EQ(f.box->currentText(), u"JPEG");
    EXPECT_FALSE(f.box->setCurrentData(u"7"));
    EXPECT_EQ(f.box->currentIndex(), 2);

    // "models" itself lists the models; an unknown name leaves the box empty.
    ASSERT_TRUE(f.box->setModel(u"models"));
    EXPECT_EQ(f.box->count(), 2);
    EXPECT_EQ(f.box->itemText(1), u"HistoryModes");
    EXPECT_FALSE(f.box->setModel(u"CounterFormats"));
    EXPECT_EQ(f.box->count(), 0);
    EXPECT_EQ(f.box->currentIndex(), -1);
    EXPECT_EQ(f.changes, (std::vector<int32_t>{0, 2, 0, -1}));
}

} // namespace
} // namespace fw
