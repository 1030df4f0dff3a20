#pragma once
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

// The program's version, as the About window shows it.
WideString programVersion();
// The user agent of the usage report: the program and its version, nothing else.
WideString userAgent();

// Windows XP (5.1) and later are supported; a failed version query counts as 0.0.
bool isSupportedVersion(uint32_t major, uint32_t minor);
// "-autorun" anywhere in the command line, case-sensitive.
bool hasAutorunSwitch(WideStringView commandLine);
// 128 to 256 ms: the deferred start-up delay for a pseudo-random r in 0..32767.
int32_t deferredStartupDelay(int32_t r);
// Writes the delay drawn to the file named by FW_STARTUP_DELAY_FILE, when set:
// the start-up benchmark subtracts it from the time to the window.
void reportStartupDelay(int32_t delayMs);

// One line to the console of whoever started the program, when there is one
// (or to the error output it was given); nothing otherwise.
void writeToConsole(WideStringView line);

// The entry function's body: start-up, message loop, shutdown; the exit code.
int runFramewing();

} // namespace fw
