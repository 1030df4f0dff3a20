// The text fields in a shown window, driven by the keyboard and mouse the
// system synthesizes, with the real clipboard and input method.
#include "SyntheticInput_win.h"

#include "platform/ClipboardText.h"
#include "platform/Handles_win.h"
#include "platform/Time.h"
#include "platform/Win32.h"
#include "resources/DataPack.h"
#include "resources/StyleResources.h"
#include "ui/UILayout.h"
#include "ui/UILineEdit.h"
#include "ui/UITextEdit.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fw {
namespace {

using namespace input;

class TextInputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(loadStyleResources(u"default", distFolder(), decodePng));
        dataPacks().mount(u"data", distFolder());
    }
};

struct ShownWindow {
    ShownWindow() {
        // Away from where the menu opens: a menu highlights the item under the mouse.
        ::SetCursorPos(5, 5);
        auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
        line = window.add<UILineEdit>();
        text = window.add<UITextEdit>();
        layout->addWidget(line);
        layout->addWidget(text);
        window.setLayout(std::move(layout));
        window.setScreenRect(Rect{200, 200, 360, 200});
        window.show();
        window.activate();
        pump(300, [this] { return window.isActive(); });
        line->setFocus();
    }
    UIWindow window;
    UILineEdit* line;
    UITextEdit* text;
};

TEST_F(TextInputTest, TypingSelectingUndoingAndTheMenuFromTheKeyboard) {
    ShownWindow shown;
    ASSERT_TRUE(shown.window.isActive());
    UILineEdit& line = *shown.line;
    typeText("Hello world");
    pump(300, [&] { return line.text().size() == 11; });
    EXPECT_EQ(line.text(), u"Hello world");
    press('Z', VK_CONTROL);
    EXPECT_EQ(line.text(), u"Hello ");
    press(VK_HOME, VK_SHIFT);
    EXPECT_EQ(line.selectedText(), u"Hello ");

    // Apps opens the menu; Down, Down, Down reaches Cut past the separator.
    press(VK_APPS);
    pump(300, [&] { return line.contextMenu() && line.contextMenu()->isOpen(); });
    ASSERT_TRUE(line.contextMenu() && line.contextMenu()->isOpen());
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_DOWN);
    press(VK_RETURN);
    pump(500, [&] { return line.text().empty(); });
    EXPECT_EQ(line.text(), u"");
    WideString clipboard;
    ASSERT_TRUE(os::systemTextClipboard().readText(clipboard));
    EXPECT_EQ(clipboard, u"Hello ");

    // Into the multi-line field: Tab, two lines, and Shift+Insert.
    press(VK_TAB);
    EXPECT_EQ(shown.window.focusWidget(), shown.text);
    typeText("ab");
    press(VK_RETURN);
    press(VK_INSERT, VK_SHIFT);
    EXPECT_EQ(shown.text->text(), u"ab\nHello ");
}

TEST_F(TextInputTest, TheInputMethodOpensAtTheCaret) {
    ShownWindow shown;
    shown.line->setText(u"abcdef");
    pump(100);
    HWND window = static_cast<HWND>(shown.window.nativeWindow().handle());
    InputContext context(window);
    if (!context) {
        GTEST_SKIP() << "no input context on this system";
    }
    COMPOSITIONFORM form{};
    ASSERT_TRUE(::ImmGetCompositionWindow(context.get(), &form));
    const Rect caret = shown.line->caretRect();
    const Point expected = shown.line->mapToWindow(Point{caret.x, caret.y});
    EXPECT_EQ(form.ptCurrentPos.x, expected.x);
    EXPECT_EQ(form.ptCurrentPos.y, expected.y);
}

TEST_F(TextInputTest, SelectionCaretAndStatesShowInTheirColours) {
    UIWindow window;
    window.setGeometry(Rect{0, 0, 300, 100});
    auto* edit = window.add<UILineEdit>(u"select me");
    edit->setGeometry(Rect{10, 10, 200, 26});
    auto* readOnly = window.add<UILineEdit>(u"read only");
    readOnly->setGeometry(Rect{10, 50, 200, 26});
    readOnly->setReadOnly(true);
    edit->setFocus();
    edit->setSelection(0, 6);
    // The top row of the selected line, between its ends: no glyph reaches it.
    const Rect caret = edit->caretRect();
    const Point selected{10 + caret.x / 2 + 3, 10 + caret.y};
    Image image = window.render();
    auto colourAt = [&image](Point p) {
        const uint8_t* pixel = image.pixel(p.x, p.y);
        return rgb(pixel[2], pixel[1], pixel[0]);
    };
    EXPECT_EQ(colourAt(selected), rgb(38, 104, 166));
    EXPECT_EQ(colourAt(Point{10 + caret.x, 10 + caret.y + caret.height / 2}), rgb(232, 232, 232));
    EXPECT_EQ(colourAt(Point{10 + 190, 50 + 13}), rgb(46, 46, 46)); // read-only background

    readOnly->setFocus();
    image = window.render();
    EXPECT_EQ(colourAt(selected), rgb(72, 72, 72)); // a selection without focus
}

TEST_F(TextInputTest, ClipboardTextSurvivesARoundTripThroughTheSystem) {
    os::TextClipboard& clipboard = os::systemTextClipboard();
    const WideString text = u"line one\r\nline two \u00e9\U0001F600";
    ASSERT_TRUE(clipboard.writeText(text));
    EXPECT_TRUE(clipboard.hasText());
    WideString read;
    ASSERT_TRUE(clipboard.readText(read));
    EXPECT_EQ(read, text);
}

} // namespace
} // namespace fw
