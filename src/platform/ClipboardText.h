#pragma once
// Plain text on the clipboard, as text fields cut, copy and paste it. The
// system's clipboard is the default; tests put a stand-in in its place so that
// they neither depend on nor disturb what the user copied.
#include "platform/WideString.h"

namespace fw::os {

class TextClipboard {
public:
    virtual ~TextClipboard() = default;
    // True when the clipboard holds text that readText can return.
    virtual bool hasText() = 0;
    // The clipboard's text; false when it holds none or cannot be opened.
    virtual bool readText(WideString& text) = 0;
    // Replaces the clipboard's content with `text`; false when it is busy.
    virtual bool writeText(WideStringView text) = 0;
};

// The clipboard text fields use: the replacement when one is set, else the
// system's.
TextClipboard& textClipboard();
// Puts `replacement` in the system's place (null gives the system's back).
void setTextClipboard(TextClipboard* replacement);
// The system's own clipboard (an in-process store where there is none).
TextClipboard& systemTextClipboard();

} // namespace fw::os
