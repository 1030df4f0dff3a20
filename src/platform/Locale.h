#pragma once
// The user's locale as far as file names need it: the clock format for the hour
// token and the letter/digit classification used when cleaning names.
#include "platform/WideString.h"

namespace fw::os {

struct ClockFormat {
    bool twelveHour = false;
    // Designators already in lower case ("am", "pm"); either may be empty.
    WideString morning;
    WideString evening;
};

// The thread locale's clock format on Windows.
ClockFormat userClockFormat();

// Letters (any case or other alphabetic) and digits by the platform's
// wide-character classification.
bool isLetterOrDigit(char16_t unit);

#ifndef _WIN32
// The POSIX stand-in has no user locale: it reports what tests set here
// (24-hour clock until then).
void setStandInClockFormat(const ClockFormat& format);
#endif

} // namespace fw::os
