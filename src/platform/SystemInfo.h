#pragma once
// Facts about the running system that the toolkit's defaults depend on.
#include "platform/Rect.h"
#include "platform/WideString.h"

#include <cstdint>

namespace fw::os {

// The major version of Windows (5 for XP, 6 for Vista to 8.1, 10 after); 6 on
// other systems, which have no such version.
int32_t windowsMajorVersion();
// True when a font family of that name is installed.
bool isFontFamilyInstalled(WideStringView family);
// The dots per inch of the primary screen (96 at 100%).
int32_t screenDpi();
// The user's double-click settings: the longest time between the clicks and
// the size of the box the second click must land in.
uint32_t doubleClickTime();
Size doubleClickSize();
// The text caret's blink period in milliseconds; 0 when it does not blink.
uint32_t caretBlinkTime();

} // namespace fw::os
