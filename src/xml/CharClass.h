#pragma once
// Character classes used by the XML reader (and by anything else that needs the
// same answers on every platform): the C library's wide-character classes
// depend on the locale and differ between Windows and Linux. White space is
// isWideSpace of platform/WideString.h.
#include "platform/WideString.h"

#include <cstdint>

namespace fw {

// ASCII letters and digits and the letters and digits of the other scripts.
bool isWideAlnum(char16_t c);

} // namespace fw
