#include "EditFixture.h"

#include "ui/TextLayout.h"
#include "ui/UITextEdit.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

// 194 pixels of text width (24 fixed-pitch characters of 8 pixels, the
// caret's pixel aside) and 92 of height (five lines of 16 and a part).
struct TextEditFixture : EditFixture<UITextEdit> {
    TextEditFixture() : EditFixture<UITextEdit>(Rect{10, 10, 206, 100}) {}
    int32_t lineHeight() { return field->textLayout().lineHeight(); }
    // Cases that count characters per line need the native build's
    // fixed-pitch metrics; the system's proportional fonts skip them.
    bool fixedPitch() {
        const FontSpec& font = field->editStyle().font;
        return measureText(u"i", font, field->dpi()).width ==
               measureText(u"W", font, field->dpi()).width;
    }
    std::vector<std::pair<size_t, size_t>> lines() {
        std::vector<std::pair<size_t, size_t>> result;
        const TextEditLayout& layout = field->textLayout();
        for (size_t i = 0; i < layout.lineCount(); ++i) {
            result.emplace_back(layout.line(i).start, layout.line(i).end);
        }
        return result;
    }
};

using Lines = std::vector<std::pair<size_t, size_t>>;

TEST(TextEditTest, PropertiesZoomBoundsAndForeignNames) {
    UITextEdit edit;
    const EditStyle defaults = edit.editStyle();
    const Size hint = edit.sizeHint();
    for (const char16_t* name :
         {u"minimumWidth", u"minimumHeight", u"iconModeItemSize", u"buttonWidth"}) {
        edit.setProperty(name, u"300");
    }
    EXPECT_EQ(edit.editStyle(), defaults);
    EXPECT_EQ(edit.sizeHint(), hint);
    edit.setProperty(u"readonlyBackground", u"9,8,7");
    EXPECT_EQ(edit.editStyle().readonlyBackground.effectiveColor(), rgb(9, 8, 7));

    edit.setProperty(u"zoomMinimum", u"0.8");
    edit.setProperty(u"zoomMaximum", u"1.5");
    edit.setZoom(4.0f);
    EXPECT_FLOAT_EQ(edit.zoom(), 1.5f);
    edit.setZoom(0.1f);
    EXPECT_FLOAT_EQ(edit.zoom(), 0.8f);
    // New bounds pull the current size inside them.
    edit.setProperty(u"zoomMinimum", u"1.2");
    EXPECT_FLOAT_EQ(edit.zoom(), 1.2f);
    edit.setZoom(1.5f);
    const int32_t line = fontMetrics(defaultFont().withSize(18.0f), edit.dpi()).height;
    EXPECT_EQ(edit.sizeHint().height, line * 5 + 8); // five lines and the frame
}

TEST(TextEditTest, WordWrapBreaksAtSpacesAndInsideLongWords) {
    TextEditFixture f;
    if (!f.fixedPitch()) {
        GTEST_SKIP() << "counts fixed-pitch characters";
    }
    f.field->setText(u"The quick brown fox jumps over the lazy dog");
    EXPECT_EQ(f.lines(), (Lines{{0, 20}, {20, 43}}));
    f.field->setText(WideString(30, u'x') + u"\n\nend");
    EXPECT_EQ(f.lines(), (Lines{{0, 24}, {24, 30}, {31, 31}, {32, 35}}));
    // Spaces at a wrap stay on the line they end.
    f.field->setText(u"aaaaaaaaaaaaaaaaaaaaaaa     bbb");
    EXPECT_EQ(f.lines(), (Lines{{0, 28}, {28, 31}}));

    f.field->setWordWrap(false);
    f.field->setText(WideString(40, u'y'));
    EXPECT_EQ(f.lines(), (Lines{{0, 40}}));
    EXPECT_EQ(f.field->scrollX(), 40 * 8 + 1 - 194);
    f.key(KeyHome);
    EXPECT_EQ(f.field->scrollX(), 0);
}

TEST(TextEditTest, LinesKeepTheirColumnAndEndStaysOnAWrappedLine) {
    TextEditFixture f;
    if (!f.fixedPitch()) {
        GTEST_SKIP() << "counts fixed-pitch characters";
    }
    UITextEdit& edit = *f.field;
    edit.setText(u"The quick brown fox jumps over the lazy dog\nshort\nanother longer line here");
    f.key(KeyHome, ModifierControl);
    for (int i = 0; i < 10; ++i) {
        f.key(KeyRight);
    }
    std::vector<size_t> stops;
    for (uint32_t key : {KeyDown, KeyDown, KeyDown, KeyUp, KeyUp, KeyUp}) {
        f.key(key);
        stops.push_back(edit.caretPosition());
    }
    // "short" is too short for column 10: the caret goes back to it later.
    EXPECT_EQ(stops, (std::vector<size_t>{30, 49, 60, 49, 30, 10}));

    // End on a wrapped line stays on it, and Home from there goes to its start.
    f.key(KeyEnd);
    EXPECT_EQ(edit.caretPosition(), 20u);
    EXPECT_EQ(edit.caretRect().y, 4);
    EXPECT_EQ(edit.caretRect().x, 6 + 20 * 8);
    f.key(KeyHome);
    EXPECT_EQ(edit.caretPosition(), 0u);
    // Right from the wrap point shows the caret on the next line.
    f.key(KeyEnd);
    f.key(KeyRight);
    f.key(KeyLeft);
    EXPECT_EQ(edit.caretRect().y, 4 + 16);

    f.key(KeyEnd, ModifierControl);
    f.key(KeyReturn);
    f.type(u"last");
    EXPECT_EQ(edit.text().substr(edit.text().size() - 5), u"\nlast");
    f.key(KeyReturn, ModifierControl); // left to the window
    EXPECT_EQ(edit.text().back(), u't');
    f.key(KeyPageUp);
    EXPECT_EQ(edit.textLayout().lineOf(edit.caretPosition()), 0u);
}

TEST(TextEditTest, WheelScrollsZoomsAndPassesOnAtTheEnds) {
    TextEditFixture f;
    UITextEdit& edit = *f.field;
    WideString text;
    for (int i = 0; i < 20; ++i) {
        text += u"line\n";
    }
    edit.setText(text); // 21 lines, 92 pixels shown
    const int32_t line = f.lineHeight();
    const int32_t bottom = 21 * line - 92;
    f.key(KeyHome, ModifierControl);
    int scrolled = 0;
    edit.onScrolled = [&] { ++scrolled; };
    auto wheel = [&](int32_t delta, uint32_t modifiers = 0) {
        return edit.onWheel(WheelEvent{Point{50, 50}, Point{60, 60}, delta, true, modifiers});
    };
    EXPECT_FALSE(wheel(120)); // at the top: for whatever holds the field
    EXPECT_TRUE(wheel(-120));
    EXPECT_EQ(edit.scrollY(), 3 * line);
    EXPECT_EQ(scrolled, 1);
    EXPECT_EQ(edit.caretPosition(), 0u); // the wheel leaves the caret
    f.key(KeyDown, ModifierControl);
    EXPECT_EQ(edit.scrollY(), 4 * line);
    for (int i = 0; i < 10; ++i) {
        wheel(-120);
    }
    EXPECT_EQ(edit.scrollY(), bottom);
    EXPECT_FALSE(wheel(-120));
    f.key(KeyDown); // the caret brings its line back into view
    EXPECT_EQ(edit.scrollY(), line);

    edit.setProperty(u"zoomMaximum", u"1.2");
    EXPECT_TRUE(wheel(120, ModifierControl));
    EXPECT_FLOAT_EQ(edit.zoom(), 1.1f);
    f.key(KeyOemPlus, ModifierControl);
    f.key(KeyOemPlus, ModifierControl);
    EXPECT_FLOAT_EQ(edit.zoom(), 1.2f);
    f.key(KeyOemMinus, ModifierControl);
    EXPECT_FLOAT_EQ(edit.zoom(), 1.1f);
    f.key(0x30, ModifierControl);
    EXPECT_FLOAT_EQ(edit.zoom(), 1.0f);
    edit.setZoom(1.2f);
    EXPECT_EQ(edit.textLayout().lineHeight(),
              fontMetrics(defaultFont().withSize(14.4f), edit.dpi()).height);
}

TEST(TextEditTest, ContextMenuEndsWithTextSize) {
    TextEditFixture f;
    UITextEdit& edit = *f.field;
    edit.setProperty(u"zoomMaximum", u"1.1");
    f.key(KeyApps);
    UIMenu* menu = edit.contextMenu();
    ASSERT_NE(menu, nullptr);
    const UIMenuItem& last = *menu->items().back();
    ASSERT_NE(last.submenu, nullptr);
    EXPECT_EQ(last.text, u"Text Size");
    auto states = [&] {
        std::vector<bool> enabled;
        for (const auto& item : menu->items().back()->submenu->items()) {
            enabled.push_back(item->enabled);
        }
        return enabled;
    };
    EXPECT_EQ(states(), (std::vector<bool>{true, true, false}));
    f.key(KeyUp);    // Text Size
    f.key(KeyRight); // opens it on Increase
    f.key(KeyReturn);
    eventLoop().processPendingEvents();
    EXPECT_FLOAT_EQ(edit.zoom(), 1.1f);
    f.key(KeyApps);
    EXPECT_EQ(states(), (std::vector<bool>{false, true, true}));
    f.key(KeyEscape);
}

TEST(TextEditTest, LineEndsOnTheClipboardAndTripleClickSelectsALine) {
    TextEditFixture f;
    UITextEdit& edit = *f.field;
    edit.setText(u"one\ntwo");
    f.key(KeyA, ModifierControl);
    f.key(KeyC, ModifierControl);
    EXPECT_EQ(f.clipboard.text, u"one\r\ntwo");
    f.clipboard.text = u"x\r\ny\rz\tw";
    f.key(KeyV, ModifierControl);
    EXPECT_EQ(edit.text(), u"x\ny\nz    w");

    const Point second{6 + 2, 4 + f.lineHeight() * 3 / 2};
    f.click(second);
    f.press(second);
    EXPECT_EQ(edit.selectedText(), u"y");
    f.press(second);
    EXPECT_EQ(edit.selectedText(), u"y\n");
}

} // namespace
} // namespace fw
