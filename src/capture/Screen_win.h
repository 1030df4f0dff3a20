#pragma once
// Conversions from Windows bitmaps and cursors to Image, shared by the capture
// code that works with windows directly.
#include "capture/Screen.h"
#include "platform/Win32.h"

namespace fw::os {

// A 32-bit copy of a device-dependent bitmap or DIB section (not selected into
// any device context); empty when the bitmap cannot be read.
Image imageFromBitmap(HBITMAP bitmap);

// The cursor's image with its transparency and its hotspot; wantsShadow is not
// set. Empty for icons and unreadable cursors.
CursorImage imageFromCursor(HCURSOR cursor);

// An icon at its own size with its transparency; empty when it cannot be read.
Image imageFromIcon(HICON icon);

} // namespace fw::os
