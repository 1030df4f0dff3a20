#pragma once
// The toolkit's message box: an icon, a text, an optional "Do not show again."
// check box and a row of buttons chosen by flags, run modally: while it is
// open the program's other windows take no input.
#include "ui/UIWindow.h"

#include <cstdint>
#include <vector>

namespace fw {

class UIButton;
class UICheckBox;
class UILabel;

enum MessageBoxButton : uint32_t {
    MessageBoxOk = 0x1,
    MessageBoxOpen = 0x2,
    MessageBoxSave = 0x4,
    MessageBoxCancel = 0x8,
    MessageBoxClose = 0x10,
    MessageBoxApply = 0x20,
    MessageBoxReset = 0x40,
    MessageBoxRestoreDefaults = 0x80,
    MessageBoxHelp = 0x100,
    MessageBoxSaveAll = 0x200,
    MessageBoxYes = 0x400,
    MessageBoxYesToAll = 0x800,
    MessageBoxNo = 0x1000,
    MessageBoxNoToAll = 0x2000,
    MessageBoxAbort = 0x4000,
    MessageBoxRetry = 0x8000,
    MessageBoxIgnore = 0x10000,
};

enum class MessageIcon : int32_t { None, Information, Question, Warning, Critical };

// The buttons of `flags` in the order they are shown.
std::vector<uint32_t> messageBoxButtons(uint32_t flags);
// The untranslated text of a button flag ("Applay" for Apply), in group
// "UserInterface/UIMessageBox".
WideString messageBoxButtonText(uint32_t flag);
// The button Escape and the close box stand for: Cancel, else No, else Close,
// else Abort, else the only button; 0 when none applies.
uint32_t messageBoxEscapeButton(uint32_t flags);

class UIMessageBox : public UIWindow {
public:
    UIMessageBox(WideString title, WideString text, uint32_t buttons, MessageIcon icon,
                 UIWindow* owner);

    void setDoNotShowAgainVisible(bool visible);
    bool doNotShowAgain() const;
    // The button Enter presses when no button has focus (the first by default).
    void setDefaultButton(uint32_t flag);
    // Shows the box modally; the chosen button's flag (the escape button when
    // closed otherwise).
    uint32_t run();
    uint32_t result() const { return result_; }
    UIButton* button(uint32_t flag) const;

protected:
    bool onCloseRequest() override;
    bool onEscape() override;
    bool onWindowKey(const KeyEvent& event) override;
    void onShown(bool shown) override;

private:
    void choose(uint32_t flag);

    uint32_t flags_;
    uint32_t result_ = 0;
    uint32_t defaultButton_ = 0;
    UILabel* text_ = nullptr;
    UICheckBox* doNotShowAgain_ = nullptr;
    std::vector<std::pair<uint32_t, UIButton*>> buttons_;
};

// Runs a message box and returns the chosen button.
uint32_t showMessageBox(UIWindow* owner, WideString title, WideString text,
                        uint32_t buttons = MessageBoxOk,
                        MessageIcon icon = MessageIcon::Information);

} // namespace fw
