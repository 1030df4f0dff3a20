#pragma once
// The input method editor (East Asian text entry) of a window: where its
// composition and candidate windows appear, and whether it takes keys at all.
#include "platform/Rect.h"

namespace fw::os {

// Puts the composition window at the caret and the candidate list just below
// it, in client coordinates of `window`; `font` (the platform font of the
// field, or null) is the font the composition is shown in.
void placeInputMethod(void* window, const Rect& caret, void* font);
// Fields that read raw keys (hotkey recording) switch the input method off
// while they have focus.
void setInputMethodEnabled(void* window, bool enabled);

} // namespace fw::os
