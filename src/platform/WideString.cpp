#include "platform/WideString.h"

namespace fw {

WideString fromAscii(std::string_view ascii) {
    WideString result;
    result.reserve(ascii.size());
    for (char c : ascii) {
        result.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    return result;
}

bool isWideSpace(char16_t c) {
    if (c == u' ' || (c >= 0x09 && c <= 0x0D)) {
        return true;
    }
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

static bool isTrimmed(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

WideString trim(WideStringView text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isTrimmed(text[begin])) {
        ++begin;
    }
    while (end > begin && isTrimmed(text[end - 1])) {
        --end;
    }
    return WideString(text.substr(begin, end - begin));
}

std::vector<WideString> split(WideStringView text, char16_t separator, bool keepEmpty) {
    std::vector<WideString> parts;
    size_t start = 0;
    while (true) {
        size_t at = text.find(separator, start);
        WideStringView part =
            text.substr(start, at == WideStringView::npos ? WideStringView::npos : at - start);
        if (keepEmpty || !part.empty()) {
            parts.emplace_back(part);
        }
        if (at == WideStringView::npos) {
            break;
        }
        start = at + 1;
    }
    return parts;
}

char16_t toLowerChar(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 32);
    }
    if (c >= 0x410 && c <= 0x42F) { // Cyrillic capitals
        return static_cast<char16_t>(c + 32);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return static_cast<char16_t>(c + 80);
    }
    return c;
}

char16_t toUpperChar(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<char16_t>(c - 32);
    }
    if (c >= 0x430 && c <= 0x44F) {
        return static_cast<char16_t>(c - 32);
    }
    if (c >= 0x450 && c <= 0x45F) {
        return static_cast<char16_t>(c - 80);
    }
    return c;
}

WideString toLowerCase(WideStringView text) {
    WideString result(text);
    for (char16_t& c : result) {
        c = toLowerChar(c);
    }
    return result;
}

WideString toUpperCase(WideStringView text) {
    WideString result(text);
    for (char16_t& c : result) {
        c = toUpperChar(c);
    }
    return result;
}

bool equalsIgnoreCase(WideStringView a, WideStringView b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (toLowerChar(a[i]) != toLowerChar(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWith(WideStringView text, WideStringView prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(WideStringView text, WideStringView suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

WideString replaceAll(WideStringView text, WideStringView from, WideStringView to,
                      bool ignoreCase) {
    if (from.empty()) {
        return WideString(text);
    }
    WideString haystack = ignoreCase ? toLowerCase(text) : WideString(text);
    WideString needle = ignoreCase ? toLowerCase(from) : WideString(from);
    WideString result;
    size_t start = 0;
    while (true) {
        size_t at = haystack.find(needle, start);
        if (at == WideString::npos) {
            result.append(text.substr(start));
            return result;
        }
        result.append(text.substr(start, at - start));
        result.append(to);
        start = at + needle.size();
    }
}

WideString upperFirst(WideStringView text) {
    WideString result(text);
    if (!result.empty()) {
        result[0] = toUpperChar(result[0]);
    }
    return result;
}

static void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string toUtf8(WideStringView text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

static void appendUtf16(WideString& out, uint32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

WideString fromUtf8(std::string_view utf8) {
    WideString out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80         ? 0
                    : (lead >> 5) == 6  ? 1
                    : (lead >> 4) == 14 ? 2
                    : (lead >> 3) == 30 ? 3
                                        : -1;
        uint32_t cp = extra == 0   ? lead
                      : extra == 1 ? (lead & 0x1Fu)
                      : extra == 2 ? (lead & 0x0Fu)
                                   : (lead & 0x07u);
        bool valid = extra >= 0 && i + static_cast<size_t>(extra) < utf8.size();
        for (int k = 1; valid && k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3Fu);
        }
        static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (!valid || cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        appendUtf16(out, cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

WideString toWideUnsigned(uint64_t value) {
    char16_t buffer[24];
    size_t pos = sizeof(buffer) / sizeof(buffer[0]);
    do {
        buffer[--pos] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    return WideString(buffer + pos, buffer + sizeof(buffer) / sizeof(buffer[0]));
}

WideString toWide(int64_t value) {
    if (value < 0) {
        uint64_t magnitude = ~static_cast<uint64_t>(value) + 1;
        WideString digits = toWideUnsigned(magnitude);
        digits.insert(digits.begin(), u'-');
        return digits;
    }
    return toWideUnsigned(static_cast<uint64_t>(value));
}

WideString toWidePadded(int64_t value, size_t digits) {
    WideString text = toWide(value);
    const size_t sign = value < 0 ? 1 : 0;
    if (text.size() - sign < digits) {
        text.insert(sign, digits - (text.size() - sign), u'0');
    }
    return text;
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
    // Accumulated toward the sign and held at the 64-bit limits, so that the
    // lowest value needs no special case; the caller's range comes last, so
    // that it holds whatever its bounds are.
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i] - u'0';
        if (negative) {
            value = value < (INT64_MIN + digit) / 10 ? INT64_MIN : value * 10 - digit;
        } else {
            value = value > (INT64_MAX - digit) / 10 ? INT64_MAX : value * 10 + digit;
        }
    }
    return value < low ? low : value > high ? high : value;
}

} // namespace fw
