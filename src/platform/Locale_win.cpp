#include "platform/Locale.h"
#include "platform/Win32.h"

namespace fw::os {

static WideString localeText(LCID locale, LCTYPE type) {
    wchar_t buffer[80] = {};
    int length = ::GetLocaleInfoW(locale, type, buffer, 80);
    if (length <= 1) {
        return WideString();
    }
    return fromWide(buffer, static_cast<size_t>(length - 1));
}

static WideString lowerCased(WideString text) {
    if (!text.empty()) {
        ::CharLowerBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
    }
    return text;
}

ClockFormat userClockFormat() {
    LCID locale = ::GetThreadLocale();
    ClockFormat format;
    format.twelveHour = localeText(locale, LOCALE_ITIME) == u"0";
    format.morning = lowerCased(localeText(locale, LOCALE_S1159));
    format.evening = lowerCased(localeText(locale, LOCALE_S2359));
    return format;
}

bool isLetterOrDigit(char16_t unit) {
    WORD type = 0;
    wchar_t text = static_cast<wchar_t>(unit);
    if (!::GetStringTypeW(CT_CTYPE1, &text, 1, &type)) {
        return false;
    }
    return (type & (C1_ALPHA | C1_DIGIT)) != 0;
}

} // namespace fw::os
