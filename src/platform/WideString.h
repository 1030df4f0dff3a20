#pragma once
// The system's string: UTF-16 code units, char16_t-based so that the portable
// core builds on Linux as well as on Windows (where wchar_t is also 16 bits).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

using WideString = std::u16string;
using WideStringView = std::u16string_view;

// Literal helper for ASCII text: fromAscii("abc") == u"abc".
WideString fromAscii(std::string_view ascii);

// Space, tab, LF, VT, FF, CR and the Unicode space separators, the same on
// every platform (the C library's classes depend on the locale).
bool isWideSpace(char16_t c);

// Trims spaces, tabs, CR and LF from both ends.
WideString trim(WideStringView text);

// Splits at every occurrence of `separator`; empty parts are kept only when asked.
std::vector<WideString> split(WideStringView text, char16_t separator, bool keepEmpty);

// Replaces all non-overlapping occurrences from left to right. With ignoreCase
// both sides are compared lower-cased (ASCII and Latin-1 letters).
WideString replaceAll(WideStringView text, WideStringView from, WideStringView to,
                      bool ignoreCase = false);

WideString upperFirst(WideStringView text);
WideString toLowerCase(WideStringView text);
WideString toUpperCase(WideStringView text);
char16_t toLowerChar(char16_t c);
char16_t toUpperChar(char16_t c);
bool equalsIgnoreCase(WideStringView a, WideStringView b);
bool startsWith(WideStringView text, WideStringView prefix);
bool endsWith(WideStringView text, WideStringView suffix);

// UTF-8 conversion. Invalid input bytes and unpaired surrogates become U+FFFD,
// so that no input can make a conversion fail or read out of bounds.
std::string toUtf8(WideStringView text);
WideString fromUtf8(std::string_view utf8);

// Decimal conversion of integers (no locale).
WideString toWide(int64_t value);
WideString toWideUnsigned(uint64_t value);
// At least `digits` digits, the zeros after any minus sign ("-05").
WideString toWidePadded(int64_t value, size_t digits);
// Leading white space, an optional sign and decimal digits up to the first
// other character, as the C library reads them; the value is then limited to
// [low, high] (low <= high). Text without digits reads as 0, limited the same way.
int64_t parseSaturatedInteger(WideStringView text, int64_t low, int64_t high);

} // namespace fw
