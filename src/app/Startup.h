#pragma once
#include "platform/WideString.h"

namespace fw {

// The style file for `name`: a path when it holds a backslash, otherwise
// `folder\name.style`, else `folder\styles\name.style`; empty when none exists.
WideString findStyleFile(WideStringView name, WideStringView executableFolder);

// Opens the style as a pack to prove it is usable; start-up refuses without it.
bool loadStartupStyle(WideStringView name, WideStringView executableFolder);

// The entry function's body: start-up, message loop, shutdown; the exit code.
int runFramewing();

} // namespace fw
