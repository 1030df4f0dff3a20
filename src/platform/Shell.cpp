#include "platform/Shell.h"

namespace fw::os {

namespace {

char16_t lowerAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool startsWithNoCase(WideStringView text, WideStringView prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (lowerAscii(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool isWebAddress(WideStringView address) {
    static constexpr WideStringView kSchemes[] = {u"http://", u"https://", u"ftp://", u"mailto:"};
    for (WideStringView scheme : kSchemes) {
        // The scheme alone names nothing to open.
        if (startsWithNoCase(address, scheme) && address.size() > scheme.size()) {
            return true;
        }
    }
    return false;
}

} // namespace fw::os
