#pragma once
// The desktop's windows as Windows reports them, for the window picker and
// the window capture.
#include "capture/WindowRules.h"

namespace fw::os {

// The one layout of the running system. Its special windows are looked up on
// first use, and again once a looked-up window is gone (the shell restarted).
const WindowLayout& systemWindowLayout();

} // namespace fw::os
