#pragma once
// The hotkey field: records the combination the user presses (Control +
// Shift + F5), shows it with the key names of the hotkey table, or "None",
// on the "UIHotKey_Background" skin (frames normal, hovered, focused,
// disabled), with a caret blinking at the system's caret blink time.
// Backspace and Delete clear it; Tab, Enter and Escape keep their usual
// meaning in the window.
#include "shell/HotKeyEditor.h"
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <functional>

namespace fw {

class UIHotKey : public UIWidget {
public:
    // The caret's blink timer.
    static constexpr int32_t kCaretTimer = 100022;

    UIHotKey();

    // Modifiers are HotkeyModifier flags (1 Shift, 2 Control, 4 Alt).
    void setValue(uint32_t key, uint32_t modifiers);
    void clear();
    // As the settings store it: 0 while no key is set.
    int64_t value() const { return editor_.value(); }
    uint32_t key() const { return editor_.key(); }
    uint32_t modifiers() const { return editor_.modifiers(); }
    WideString text() const { return editor_.text(); }
    const TextStyle& textStyle() const { return textStyle_; }
    const Paint& background() const { return background_; }

    // The user recorded or cleared a combination.
    std::function<void()> onChanged;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onFocusIn() override;
    void onFocusOut() override;
    void retranslate() override;
    void OnTimer(int32_t identifier) override;

private:
    void afterKey(int64_t before);
    void restartBlink();
    void enableInputMethod(bool enabled);
    bool isCaretShown() const;

    HotKeyEditor editor_;
    // The value before the combination being pressed, for when it is abandoned.
    HotKeyEditor beforeCombination_;
    TextStyle textStyle_;
    Paint background_;
    Size minimumSizeProperty_;
    Margins padding_{6, 2, 6, 2};
    const Skin* skin_ = nullptr;
    bool caretOn_ = true;
};

} // namespace fw
