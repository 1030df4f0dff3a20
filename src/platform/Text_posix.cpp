#include "platform/Text.h"

namespace fw::os {

// Latin-1 stands in for the ANSI code page on POSIX.
std::string toAnsi(WideStringView text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    }
    return out;
}

WideString fromAnsi(std::string_view ansi) {
    WideString out;
    out.reserve(ansi.size());
    for (char c : ansi) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    return out;
}

} // namespace fw::os
