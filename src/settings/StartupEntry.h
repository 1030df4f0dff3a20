#pragma once
// "Load on Windows startup.": a value named after the program in the current
// user's list of programs Windows starts at log-on, holding the quoted path of
// the executable and the "-autorun" switch.
#include "platform/WideString.h"

namespace fw {

inline constexpr WideStringView kStartupRunKey =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// "\"<executablePath>\" -autorun"
WideString startupEntryData(WideStringView executablePath);

// True when the value `name` exists and holds exactly the data for this
// executable: an entry of another copy of the program does not count.
bool IsStartupEntryPresent(WideStringView name, WideStringView executablePath);

// Writes the value, or deletes it when `enabled` is false; nothing happens when
// the name or the path is empty. Registry failures are silent: the options
// show the entry as it is.
void SetStartupEntry(WideStringView name, WideStringView executablePath, bool enabled);

} // namespace fw
