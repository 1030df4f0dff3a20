#pragma once
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

// Windows XP (5.1) and later are supported; a failed version query counts as 0.0.
bool isSupportedVersion(uint32_t major, uint32_t minor);
// "-autorun" anywhere in the command line, case-sensitive.
bool hasAutorunSwitch(WideStringView commandLine);
// 128 to 256 ms: the deferred start-up delay for a pseudo-random r in 0..32767.
int32_t deferredStartupDelay(int32_t r);

// The style file for `name`: a path when it holds a backslash, otherwise
// `folder\name.style`, else `folder\styles\name.style`; empty when none exists.
WideString findStyleFile(WideStringView name, WideStringView executableFolder);

// Opens the style as a pack to prove it is usable; start-up refuses without it.
bool loadStartupStyle(WideStringView name, WideStringView executableFolder);

// The entry function's body: start-up, message loop, shutdown; the exit code.
int runFramewing();

} // namespace fw
