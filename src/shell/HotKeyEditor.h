#pragma once
// What the hotkey field records from key presses and releases, and the text it
// shows; the widget paints this state and forwards its keyboard messages.
#include "platform/WideString.h"
#include "shell/Hotkey.h"

#include <cstdint>

namespace fw {

class HotKeyEditor {
public:
    void setValue(uint32_t key, uint32_t modifiers);
    void clear();

    uint32_t key() const { return key_; }
    uint32_t modifiers() const { return modifiers_; }
    // The value to store; 0 while no key is set, since modifiers alone are no hotkey.
    int64_t value() const { return key_ == 0 ? 0 : hotkeyValue(key_, modifiers_); }
    // The last combination was finished by a release; the next press starts anew.
    bool isComplete() const { return complete_; }

    void keyPress(uint32_t key);
    void keyRelease(uint32_t key);

    // "Control + Shift + S"; "None" (translated) when empty.
    WideString text() const;

private:
    uint32_t key_ = 0;
    uint32_t modifiers_ = 0;
    bool complete_ = false;
};

} // namespace fw
