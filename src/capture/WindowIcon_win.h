#pragma once
// The icon of a top-level window, as the window picker's info box shows it.
#include "capture/Image.h"
#include "capture/WindowRules.h"

namespace fw::os {

// The window's big icon, else its class icon, else its executable's icon,
// else the system's application icon, at the size it comes in. A hung window
// is asked for at most a second.
Image windowIcon(WindowId window);

} // namespace fw::os
