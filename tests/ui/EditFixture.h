#pragma once
// A window with one field in it, a clipboard of its own and short ways to
// type, press keys and click, for the tests of the text fields.
#include "platform/ClipboardText.h"
#include "ui/UIWindow.h"

#include <memory>

namespace fw {

class FakeClipboard : public os::TextClipboard {
public:
    bool hasText() override { return holdsText; }
    bool readText(WideString& out) override {
        out = text;
        return holdsText;
    }
    bool writeText(WideStringView in) override {
        text = WideString(in);
        holdsText = true;
        return true;
    }
    WideString text;
    bool holdsText = false;
};

template <typename Field> struct EditFixture {
    explicit EditFixture(Rect geometry = Rect{10, 10, 206, 24}) {
        os::setTextClipboard(&clipboard);
        // Presses count as a double click only where a test asks for one.
        UIWindow::setClock([this] { return now; });
        window.setGeometry(Rect{0, 0, 400, 300});
        field = window.add<Field>();
        field->setGeometry(geometry);
        field->setFocus();
    }
    ~EditFixture() {
        os::setTextClipboard(nullptr);
        UIWindow::setClock(nullptr);
    }

    void type(WideStringView text) {
        for (char16_t c : text) {
            window.dispatchChar(c);
        }
    }
    void key(uint32_t k, uint32_t modifiers = 0) {
        window.dispatchKey(true, k, modifiers);
        window.dispatchKey(false, k, modifiers);
    }
    // A press and release at a point of the field, in its own coordinates.
    void click(Point local, uint32_t button = 1, uint32_t modifiers = 0) {
        now += 1000;
        press(local, button, modifiers);
    }
    // Clicks at once after the last one: the second of two is a double click.
    void press(Point local, uint32_t button = 1, uint32_t modifiers = 0) {
        const Point at = field->mapToWindow(local);
        window.dispatchMouse(NativeMouseKind::Press, at, button, button, modifiers);
        window.dispatchMouse(NativeMouseKind::Release, at, button, 0, modifiers);
    }
    void drag(Point from, Point to) {
        now += 1000;
        window.dispatchMouse(NativeMouseKind::Press, field->mapToWindow(from), 1, 1, 0);
        window.dispatchMouse(NativeMouseKind::Move, field->mapToWindow(to), 0, 1, 0);
        window.dispatchMouse(NativeMouseKind::Release, field->mapToWindow(to), 1, 0, 0);
    }

    uint32_t now = 0;
    FakeClipboard clipboard;
    UIWindow window;
    Field* field = nullptr;
};

} // namespace fw
