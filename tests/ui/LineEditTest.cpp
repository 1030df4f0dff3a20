#include "EditFixture.h"

#include "ui/TextLayout.h"
#include "ui/UILineEdit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace fw {
namespace {

using LineEditFixture = EditFixture<UILineEdit>;

// Where the boundary before `position` shows, the text starting 6 pixels into
// the field.
Point at(const UILineEdit& edit, size_t position) {
    const std::vector<int32_t> offsets =
        characterOffsets(edit.text(), edit.editStyle().font, edit.dpi());
    const int32_t x = position == 0 ? 0 : offsets[position - 1];
    return Point{6 + x - edit.scrollOffset(), 12};
}

// Whether each of the seven items is enabled, in menu order.
std::vector<bool> enabledItems(const UIMenu& menu) {
    std::vector<bool> enabled;
    for (const auto& item : menu.items()) {
        if (!item->separator && item->id >= EditMenuUndo && item->id <= EditMenuSelectAll) {
            enabled.push_back(item->enabled);
        }
    }
    return enabled;
}

TEST(LineEditTest, EachPropertyChangesItsOwnValueAndNothingElse) {
    const EditStyle defaults = UILineEdit().editStyle();
    const Size defaultHint = UILineEdit().sizeHint();
    struct {
        const char16_t* name;
        Paint EditStyle::*member;
    } paints[] = {
        {u"foreground", &EditStyle::foreground},
        {u"selectedForeground", &EditStyle::selectedForeground},
        {u"unfocusedSelectedForeground", &EditStyle::unfocusedSelectedForeground},
        {u"disabledForeground", &EditStyle::disabledForeground},
        {u"readonlyForeground", &EditStyle::readonlyForeground},
        {u"blankForeground", &EditStyle::blankForeground},
        {u"background", &EditStyle::background},
        {u"selectedBackground", &EditStyle::selectedBackground},
        {u"unfocusedSelectedBackground", &EditStyle::unfocusedSelectedBackground},
        {u"disabledBackground", &EditStyle::disabledBackground},
        {u"readonlyBackground", &EditStyle::readonlyBackground},
    };
    for (const auto& property : paints) {
        UILineEdit edit;
        edit.setProperty(property.name, u"1,2,3");
        EXPECT_EQ((edit.editStyle().*property.member).effectiveColor(), rgb(1, 2, 3))
            << toUtf8(property.name);
        EditStyle expected = defaults;
        expected.*property.member = edit.editStyle().*property.member;
        EXPECT_EQ(edit.editStyle(), expected) << toUtf8(property.name);
    }
    UILineEdit gradient;
    gradient.setProperty(u"selectedBackground", u"1,2,3|4,5,6");
    EXPECT_EQ(gradient.editStyle().selectedBackground.kind, PaintKind::Gradient);

    UILineEdit fonts;
    fonts.setProperty(u"font", u"default,20,bold");
    EXPECT_EQ(fonts.editStyle().font.flags, uint32_t(FontBold));
    // A line of the font and the frame around it.
    EXPECT_EQ(fonts.sizeHint().height, fontMetrics(fonts.editStyle().font, fonts.dpi()).height + 8);
    fonts.setProperty(u"blankFont", u"default,30,");
    EXPECT_EQ(fonts.editStyle().blankFont.size, 30.0f);
    EXPECT_EQ(fonts.sizeHint().height,
              fontMetrics(fonts.editStyle().blankFont, fonts.dpi()).height + 8);

    UILineEdit sizes;
    sizes.setProperty(u"minimumWidth", u"300");
    sizes.setProperty(u"minimumHeight", u"40");
    EXPECT_EQ(sizes.sizeHint(), (Size{300, 40}));
    EXPECT_EQ(sizes.minimumSizeHint(), (Size{300, 40}));

    UILineEdit foreign;
    for (const char16_t* name :
         {u"iconModeItemSize", u"zoomMinimum", u"buttonWidth", u"padding", u"Foreground"}) {
        foreign.setProperty(name, u"99,99");
    }
    EXPECT_EQ(foreign.editStyle(), defaults);
    EXPECT_EQ(foreign.sizeHint(), defaultHint);
}

TEST(LineEditTest, TypingMovingAndSelectingWithTheKeyboard) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    f.type(u"hello big world");
    EXPECT_EQ(edit.text(), u"hello big world");
    EXPECT_EQ(edit.caretPosition(), 15u);
    f.key(KeyLeft, ModifierControl);
    EXPECT_EQ(edit.caretPosition(), 10u);
    f.key(KeyLeft, ModifierControl | ModifierShift);
    EXPECT_EQ(edit.selectedText(), u"big ");
    f.type(u"small ");
    EXPECT_EQ(edit.text(), u"hello small world");
    f.key(KeyHome);
    f.key(KeyEnd, ModifierShift);
    EXPECT_EQ(edit.selectedText(), edit.text());
    f.key(KeyRight); // a selection collapses to its end
    EXPECT_EQ(edit.caretPosition(), 17u);
    EXPECT_TRUE(edit.selectedText().empty());
    f.key(KeyBackspace, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello small ");
    f.key(KeyHome);
    f.key(KeyDelete, ModifierControl);
    EXPECT_EQ(edit.text(), u"small ");
    f.key(KeyRight, ModifierShift);
    f.key(KeyRight, ModifierShift);
    EXPECT_EQ(edit.selectedText(), u"sm");
    f.key(KeyLeft); // collapses to the start
    EXPECT_EQ(edit.caretPosition(), 0u);
    f.key(KeyDelete);
    f.key(KeyBackspace); // nothing before the caret
    EXPECT_EQ(edit.text(), u"mall ");
    f.key(KeyA, ModifierControl);
    EXPECT_EQ(edit.selectedText(), u"mall ");

    // Reached with Tab, a field selects its text.
    auto* second = f.window.add<UILineEdit>(u"second");
    second->setGeometry(Rect{10, 50, 206, 24});
    f.key(KeyTab);
    EXPECT_EQ(f.window.focusWidget(), second);
    EXPECT_EQ(second->selectedText(), u"second");
}

TEST(LineEditTest, WordJumpsStopAtPunctuationAndSkipSpaces) {
    LineEditFixture f;
    f.type(u"path C:\\dir\\file.png  end");
    f.key(KeyHome);
    std::vector<size_t> stops;
    for (int i = 0; i < 10; ++i) {
        f.key(KeyRight, ModifierControl);
        stops.push_back(f.field->caretPosition());
    }
    EXPECT_EQ(stops, (std::vector<size_t>{5, 6, 8, 11, 12, 16, 17, 22, 25, 25}));
    stops.clear();
    for (int i = 0; i < 10; ++i) {
        f.key(KeyLeft, ModifierControl);
        stops.push_back(f.field->caretPosition());
    }
    EXPECT_EQ(stops, (std::vector<size_t>{22, 17, 16, 12, 11, 8, 6, 5, 0, 0}));
}

TEST(LineEditTest, UndoAndRedoGroupTypingByWords) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    f.type(u"hello world");
    f.key(KeyZ, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello ");
    f.key(KeyZ, ModifierControl);
    EXPECT_EQ(edit.text(), u"");
    f.key(KeyY, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello ");
    f.key(KeyZ, ModifierControl | ModifierShift);
    EXPECT_EQ(edit.text(), u"hello world");
    EXPECT_EQ(edit.caretPosition(), 11u);

    // Backspace held down undoes as one step, and puts the caret back.
    for (int i = 0; i < 3; ++i) {
        f.key(KeyBackspace);
    }
    EXPECT_EQ(edit.text(), u"hello wo");
    f.key(KeyZ, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello world");
    EXPECT_EQ(edit.caretPosition(), 11u);

    // A caret move ends a group; a new edit forgets what could be redone.
    f.type(u"!");
    f.key(KeyLeft);
    f.key(KeyRight);
    f.type(u"?");
    f.key(KeyZ, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello world!");
    f.type(u".");
    f.key(KeyY, ModifierControl);
    EXPECT_EQ(edit.text(), u"hello world!.");
    f.key(KeyBackspace, ModifierAlt); // the old undo key
    EXPECT_EQ(edit.text(), u"hello world!");
}

TEST(LineEditTest, ClipboardKeysAndWhatAPasteMayBring) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    f.type(u"one two");
    f.key(KeyLeft, ModifierControl | ModifierShift);
    f.key(KeyC, ModifierControl);
    EXPECT_EQ(f.clipboard.text, u"two");
    f.clipboard.text.clear();
    f.key(KeyInsert, ModifierControl);
    EXPECT_EQ(f.clipboard.text, u"two");
    f.key(KeyX, ModifierControl);
    EXPECT_EQ(edit.text(), u"one ");
    f.key(KeyInsert, ModifierShift);
    f.key(KeyV, ModifierControl);
    EXPECT_EQ(edit.text(), u"one twotwo");
    f.key(KeyLeft, ModifierShift);
    f.key(KeyDelete, ModifierShift);
    EXPECT_EQ(edit.text(), u"one twotw");
    EXPECT_EQ(f.clipboard.text, u"o");

    // A single line takes the first line of a pasted text; tabs become spaces.
    edit.setText(u"");
    f.clipboard.text = u"first\tline\r\nsecond line";
    f.key(KeyV, ModifierControl);
    EXPECT_EQ(edit.text(), u"first line");

    // A read-only field copies but neither cuts nor pastes.
    edit.setReadOnly(true);
    f.key(KeyA, ModifierControl);
    f.key(KeyX, ModifierControl);
    f.key(KeyV, ModifierControl);
    EXPECT_EQ(edit.text(), u"first line");
    f.key(KeyC, ModifierControl);
    EXPECT_EQ(f.clipboard.text, u"first line");
}

TEST(LineEditTest, LengthLimitAndValidatorHoldForEveryWayIn) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    edit.setMaxLength(5);
    f.type(u"abcdefg");
    EXPECT_EQ(edit.text(), u"abcde");
    edit.setSelection(1, 3);
    f.clipboard.writeText(u"xyz");
    f.key(KeyV, ModifierControl); // room for two of the three
    EXPECT_EQ(edit.text(), u"axyde");
    edit.setText(u"much too long");
    EXPECT_EQ(edit.text(), u"much ");
    edit.setMaxLength(3);
    EXPECT_EQ(edit.text(), u"muc");

    edit.setMaxLength(TextEditModel::kNoLimit);
    edit.setText(u"");
    edit.setValidator([](WideStringView text) {
        return text.find_first_not_of(u"0123456789") == WideStringView::npos;
    });
    f.type(u"1a2");
    EXPECT_EQ(edit.text(), u"12");
    f.clipboard.writeText(u"3x");
    f.key(KeyV, ModifierControl);
    EXPECT_EQ(edit.text(), u"12");
}

TEST(LineEditTest, ContextMenuItemsFollowTheFieldsState) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    f.key(KeyApps);
    UIMenu* menu = edit.contextMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menu->isOpen());
    std::vector<WideString> texts;
    for (const auto& item : menu->items()) {
        if (!item->separator) {
            texts.push_back(item->text);
        }
    }
    EXPECT_EQ(texts, (std::vector<WideString>{u"Undo", u"Redo", u"Cut", u"Copy", u"Paste",
                                              u"Delete", u"Select All"}));
    EXPECT_EQ(enabledItems(*menu), std::vector<bool>(7, false));
    f.key(KeyEscape);
    EXPECT_FALSE(menu->isOpen());

    f.type(u"abc");
    f.key(KeyLeft, ModifierShift);
    f.key(KeyF10, ModifierShift);
    EXPECT_EQ(enabledItems(*menu), (std::vector<bool>{true, false, true, true, false, true, true}));
    // Up from nothing reaches the last item: Select All.
    f.key(KeyUp);
    f.key(KeyReturn);
    eventLoop().processPendingEvents();
    EXPECT_EQ(edit.selectedText(), u"abc");

    f.clipboard.writeText(u"x");
    f.click(at(edit, 1), MouseRight);
    ASSERT_TRUE(menu->isOpen());
    EXPECT_EQ(enabledItems(*menu), (std::vector<bool>{true, false, true, true, true, true, false}));
    f.key(KeyEscape);
    edit.setReadOnly(true);
    edit.setSelection(0, 1);
    f.key(KeyApps);
    EXPECT_EQ(enabledItems(*menu),
              (std::vector<bool>{false, false, false, true, false, false, true}));
    f.key(KeyEscape);
}

TEST(LineEditTest, MouseSelectsCharactersWordsAndTheWholeText) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    edit.setText(u"alpha beta gamma");
    f.click(Point{at(edit, 3).x + 1, 12});
    EXPECT_EQ(edit.caretPosition(), 3u);
    f.click(at(edit, 8), MouseLeft, ModifierShift);
    EXPECT_EQ(edit.selectedText(), u"ha be");
    f.drag(at(edit, 0), Point{at(edit, 5).x - 1, 12});
    EXPECT_EQ(edit.selectedText(), u"alpha");

    const Point beta = at(edit, 7);
    f.click(beta);
    f.press(beta); // the second press of a double click
    EXPECT_EQ(edit.selectedText(), u"beta");
    f.press(beta); // and a third at once
    EXPECT_EQ(edit.selectedText(), u"alpha beta gamma");

    // A right click leaves the selection as it is.
    edit.setSelection(0, 5);
    f.click(at(edit, 12), MouseRight);
    EXPECT_EQ(edit.selectedText(), u"alpha");
    f.key(KeyEscape);
}

TEST(LineEditTest, TheCaretStaysInViewAsTheTextScrolls) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    const Rect content{6, 0, 194, 24};
    f.type(WideString(60, u'x'));
    // The caret (one pixel) just fits at the right edge.
    const int32_t textWidth = at(edit, 60).x - 6 + edit.scrollOffset();
    EXPECT_EQ(edit.scrollOffset(), textWidth + 1 - content.width);
    auto caretInView = [&] {
        const int32_t x = edit.caretRect().x;
        return x >= content.x && x < content.right();
    };
    EXPECT_TRUE(caretInView());
    // A click at the left edge lands where the scrolled text shows.
    const int32_t charWidth = at(edit, 1).x - at(edit, 0).x;
    f.click(Point{content.x, 12});
    EXPECT_LE(std::abs(edit.caretRect().x - content.x), (charWidth + 1) / 2);
    f.key(KeyHome);
    EXPECT_EQ(edit.scrollOffset(), 0);
    f.key(KeyEnd);
    EXPECT_TRUE(caretInView());
    f.key(KeyA, ModifierControl);
    f.key(KeyBackspace);
    EXPECT_EQ(edit.scrollOffset(), 0);
}

TEST(LineEditTest, SignalsReadOnlyAndDisabledFields) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    int changed = 0;
    int edited = 0;
    edit.onChanged = [&] { ++changed; };
    edit.onEdited = [&] { ++edited; };
    edit.setText(u"set");
    f.type(u"!");
    f.key(KeyLeft); // moves change nothing
    EXPECT_EQ(changed, 2);
    EXPECT_EQ(edited, 1);

    edit.setReadOnly(true);
    f.type(u"x");
    f.key(KeyBackspace);
    f.key(KeyZ, ModifierControl);
    EXPECT_EQ(edit.text(), u"set!");
    f.key(KeyHome, ModifierShift); // selecting and copying still work
    f.key(KeyC, ModifierControl);
    EXPECT_EQ(f.clipboard.text, u"set");

    edit.setReadOnly(false);
    edit.setEnabled(false);
    EXPECT_EQ(f.window.focusWidget(), nullptr);
    f.type(u"x");
    EXPECT_EQ(edit.text(), u"set!");
}

TEST(LineEditTest, ACharacterOutsideTheBasicPlaneStaysWhole) {
    LineEditFixture f;
    UILineEdit& edit = *f.field;
    const WideString smile = u"\U0001F600";
    f.type(u"a" + smile + u"b");
    EXPECT_EQ(edit.text(), u"a" + smile + u"b");
    f.key(KeyLeft);
    f.key(KeyLeft);
    EXPECT_EQ(edit.caretPosition(), 1u);
    f.key(KeyDelete);
    EXPECT_EQ(edit.text(), u"ab");
    edit.setMaxLength(3);
    f.type(smile); // one unit of room: the pair does not fit
    EXPECT_EQ(edit.text(), u"ab");
}

} // namespace
} // namespace fw
