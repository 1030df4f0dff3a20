#include "platform/Locale.h"

#include <cwctype>
#include <locale.h>
#include <wctype.h>

namespace fw::os {

static ClockFormat& standInFormat() {
    static ClockFormat format;
    return format;
}

ClockFormat userClockFormat() {
    return standInFormat();
}

void setStandInClockFormat(const ClockFormat& format) {
    standInFormat() = format;
}

bool isLetterOrDigit(char16_t unit) {
    // The "C" locale only knows ASCII letters; names may hold any script.
    static locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (unit >= 0xD800 && unit <= 0xDFFF) {
        return false;
    }
    if (utf8 == static_cast<locale_t>(0)) {
        return std::iswalnum(static_cast<wint_t>(unit)) != 0;
    }
    return ::iswalnum_l(static_cast<wint_t>(unit), utf8) != 0;
}

} // namespace fw::os
