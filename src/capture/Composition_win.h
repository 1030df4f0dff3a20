#pragma once
// Desktop composition (Windows Vista and later), asked of dwmapi.dll, which is
// loaded at run time so that the program still starts on Windows XP.
#include "platform/Win32.h"

namespace fw::os {

// True when the system composes the desktop; false on Windows XP, when
// composition is off, and on any failure.
bool compositionEnabled();

// True for a window the compositor hides although it counts as visible (a
// suspended app, a window on another virtual desktop).
bool isCloaked(HWND window);

} // namespace fw::os
