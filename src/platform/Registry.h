#pragma once
// The current user's registry. The POSIX stand-in has no registry: reads fail.
#include "platform/WideString.h"

#include <cstdint>

namespace fw::os {

bool readUserRegistryDword(WideStringView keyPath, WideStringView valueName, uint32_t& value);
bool readUserRegistryString(WideStringView keyPath, WideStringView valueName, WideString& value);
bool writeUserRegistryString(WideStringView keyPath, WideStringView valueName,
                             WideStringView value);
bool deleteUserRegistryValue(WideStringView keyPath, WideStringView valueName);

} // namespace fw::os
