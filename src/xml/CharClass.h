#pragma once
// Character classes used by the XML reader (and by anything else that needs the
// same answers on every platform): the C library's wide-character classes
// depend on the locale and differ between Windows and Linux.
namespace fw {

// Space, tab, LF, VT, FF, CR and the Unicode space separators.
bool isWideSpace(char16_t c);
// ASCII letters and digits and the letters and digits of the other scripts.
bool isWideAlnum(char16_t c);

} // namespace fw
