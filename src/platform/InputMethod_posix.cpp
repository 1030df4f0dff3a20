#include "platform/InputMethod.h"

namespace fw::os {

// There is no input method without a desktop.
void placeInputMethod(void*, const Rect&, void*) {}

void setInputMethodEnabled(void*, bool) {}

} // namespace fw::os
