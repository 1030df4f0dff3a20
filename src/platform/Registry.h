#pragma once
// The current user's registry. The POSIX stand-in has no registry: reads fail.
#include "platform/WideString.h"

#include <cstdint>

namespace fw::os {

// True when the value exists, whatever its type and size (an empty value counts).
bool hasUserRegistryValue(WideStringView keyPath, WideStringView valueName);
// A string value (REG_SZ or REG_EXPAND_SZ, unexpanded); false for another type.
bool readUserRegistryString(WideStringView keyPath, WideStringView valueName, WideString& value);
bool writeUserRegistryString(WideStringView keyPath, WideStringView valueName,
                             WideStringView value);
bool deleteUserRegistryValue(WideStringView keyPath, WideStringView valueName);

} // namespace fw::os
