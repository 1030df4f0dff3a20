#include "xml/CharClass.h"

namespace fw {

bool isWideSpace(char16_t c) {
    if (c == u' ' || (c >= 0x09 && c <= 0x0D)) {
        return true;
    }
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

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

int64_t parseSaturatedInteger(WideStringView text, int64_t low, int64_t high) {
    size_t i = 0;
    while (i < text.size() && isWideSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate toward the sign so that the lowest value needs no special case.
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        int digit = text[i] - u'0';
        if (negative) {
            if (value < (low + digit) / 10) {
                return low;
            }
            value = value * 10 - digit;
        } else {
            if (value > (high - digit) / 10) {
                return high;
            }
            value = value * 10 + digit;
        }
    }
    return value;
}

} // namespace fw
