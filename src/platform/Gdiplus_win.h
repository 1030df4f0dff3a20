#pragma once
// GDI+ through its flat API. Only *_win.cpp files include this header.
#include "platform/Win32.h"

#include <objidl.h>

#include <gdiplus.h>

namespace fw {

namespace gdip = Gdiplus::DllExports;

// Starts GDI+ once for the process; later calls return the first result.
// GDI+ stays started until the process ends.
bool startGdiplus();

} // namespace fw
