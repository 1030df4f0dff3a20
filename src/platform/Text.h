#pragma once
// Conversions between UTF-16 and the ANSI code page (Windows) or Latin-1 (POSIX
// stand-in). UTF-8 conversion is portable and lives in WideString.h.
#include "platform/WideString.h"

#include <string>
#include <string_view>

namespace fw::os {

std::string toAnsi(WideStringView text);
WideString fromAnsi(std::string_view ansi);

} // namespace fw::os
