#include "output/CaptureTime.h"
#include "i18n/Translation.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

// English names are the keys of the translation files.
constexpr std::array<WideStringView, 12> kMonthNames = {
    u"January", u"February", u"March",     u"April",   u"May",      u"June",
    u"July",    u"August",   u"September", u"October", u"November", u"December"};

constexpr std::array<WideStringView, 7> kDayNames = {
    u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"};

} // namespace

WideString monthName(int32_t month) {
    if (month < 1 || month > 12) {
        return WideString();
    }
    return translate(kMonthNames[static_cast<size_t>(month - 1)], u"MainWindow");
}

int32_t weekdayOf(const CaptureTime& time) {
    // Sakamoto's method gives 0 for Sunday.
    static constexpr int32_t offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int32_t month = std::clamp(time.month, 1, 12);
    int64_t year = time.year - (month < 3 ? 1 : 0);
    int64_t sunday0 =
        (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + time.day) % 7;
    if (sunday0 < 0) {
        sunday0 += 7;
    }
    return static_cast<int32_t>((sunday0 + 6) % 7);
}

WideString weekdayName(const CaptureTime& time) {
    if (time.month < 1 || time.month > 12) {
        return WideString();
    }
    return translate(kDayNames[static_cast<size_t>(weekdayOf(time))], u"MainWindow");
}

} // namespace fw
