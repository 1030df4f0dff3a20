#include "xml/CharClass.h"

namespace fw {

// Blocks above Latin-1 that hold no letters or digits: punctuation, symbols,
// surrogates, private use and specials. Everything else counts as a letter.
static bool isSymbolBlock(char16_t c) {
    return (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x3004) ||
           (c >= 0x3008 && c <= 0x3020) || (c >= 0xD800 && c <= 0xF8FF) ||
           (c >= 0xFE10 && c <= 0xFE6F) || (c >= 0xFF00 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65) || c >= 0xFFF0;
}

bool isWideAlnum(char16_t c) {
    if (c < 0x80) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }
    if (c < 0x100) {
        return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
    }
    return !isSymbolBlock(c);
}

} // namespace fw
