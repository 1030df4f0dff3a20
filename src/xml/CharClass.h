#pragma once
// Character classes used by the XML reader (and by anything else that needs the
// same answers on every platform): the C library's wide-character classes
// depend on the locale and differ between Windows and Linux.
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

// Space, tab, LF, VT, FF, CR and the Unicode space separators.
bool isWideSpace(char16_t c);
// ASCII letters and digits and the letters and digits of the other scripts.
bool isWideAlnum(char16_t c);

// Leading white space, an optional sign and decimal digits up to the first
// other character (none: 0); values beyond [low, high] saturate, as the C
// library does.
int64_t parseSaturatedInteger(WideStringView text, int64_t low, int64_t high);

} // namespace fw
