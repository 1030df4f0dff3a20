#include "output/NamePattern.h"
#include "platform/Files.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

constexpr WideStringView kAllowedPunctuation = u"$%-_@~!(){}^#&+=[].,;\u2116";

// Tried in this order; a name that only begins with one (console) is legal.
constexpr std::array<WideStringView, 22> kDeviceNames = {
    u"aux",  u"con",  u"prn",  u"nul",  u"lpt1", u"lpt2", u"lpt3", u"lpt4",
    u"lpt5", u"lpt6", u"lpt7", u"lpt8", u"lpt9", u"com1", u"com2", u"com3",
    u"com4", u"com5", u"com6", u"com7", u"com8", u"com9"};

// A file name component holds at most 255 characters; more padding than that
// could never be written and a hand-edited setting must not exhaust memory.
constexpr int32_t kMaxPaddedDigits = 255;

WideString padded(int64_t value, int32_t digits) {
    return toWidePadded(value, static_cast<size_t>(std::clamp(digits, 1, kMaxPaddedDigits)));
}

// A 12-hour clock shows 12 for noon and midnight: 0:30 is 12 am, 12:30 is 12 pm.
WideString hourText(int32_t hour) {
    os::ClockFormat format = os::userClockFormat();
    if (!format.twelveHour) {
        return padded(hour, 2);
    }
    bool evening = hour >= 12 && hour <= 23;
    int32_t shown = hour;
    if (hour == 0) {
        shown = 12;
    } else if (hour > 12 && hour <= 23) {
        shown = hour - 12;
    }
    WideString text = padded(shown, 2);
    text.push_back(u'-');
    text.append(evening ? format.evening : format.morning);
    while (!text.empty() && text.back() == u'-') {
        text.pop_back();
    }
    return text;
}

// Windows opens the device, not a file, for "con" or "com1.png".
void blankDeviceName(WideString& name) {
    for (WideStringView device : kDeviceNames) {
        if (name.size() < device.size() ||
            !equalsIgnoreCase(WideStringView(name).substr(0, device.size()), device)) {
            continue;
        }
        if (name.size() == device.size() || name[device.size()] == u'.') {
            std::fill_n(name.begin(), device.size(), u'_');
        }
        return;
    }
}

} // namespace

void NamePattern::setPattern(WideStringView text) {
    pattern_ = text.empty() ? WideString(kDefaultPattern) : clean(text);
}

void NamePattern::setCounterDigits(int32_t digits) {
    counterDigits_ = digits < 1 ? 1 : digits;
}

bool NamePattern::hasCounter() const {
    return toLowerCase(pattern_).find(u"[counter]") != WideString::npos;
}

WideString NamePattern::nextName(const CaptureTime& time) {
    ++counter_;
    return fill(counter_, counterDigits_, pattern_, time);
}

WideString NamePattern::uniqueName(const CaptureTime& time, WideStringView folder,
                                   WideStringView extension) {
    WideString name = nextName(time);
    const WideString firstName = name;
    uint64_t copies = 0;
    while (true) {
        WideString path = joinPath(folder, name + u"." + WideString(extension));
        // A folder of that name would make the write fail just as a file would.
        if (!os::fileExists(path) && !os::folderExists(path)) {
            return name;
        }
        if (hasCounter()) {
            name = nextName(time);
        } else {
            name = firstName + u"-copy" + toWideUnsigned(++copies);
        }
    }
}

WideString NamePattern::fill(uint32_t counter, int32_t digits, WideStringView pattern,
                             const CaptureTime& time) {
    const std::array<WideString, 9> values = {
        padded(counter, digits), padded(time.year, 4),   padded(time.month, 2),
        monthName(time.month),   padded(time.day, 2),    weekdayName(time),
        hourText(time.hour),     padded(time.minute, 2), padded(time.second, 2)};
    WideString name(pattern);
    for (size_t i = 0; i < NamePattern::kTokens.size(); ++i) {
        name = replaceAll(name, NamePattern::kTokens[i], values[i], true);
    }
    // A counter can complete a device name ("com[COUNTER]" gives "com1").
    blankDeviceName(name);
    return name;
}

WideString NamePattern::clean(WideStringView text) {
    WideString result(text);
    for (char16_t& unit : result) {
        if (!os::isLetterOrDigit(unit) && kAllowedPunctuation.find(unit) == WideStringView::npos) {
            unit = u'_';
        }
    }
    if (!result.empty() && result.front() == u'.') {
        result.front() = u'_';
    }
    if (!result.empty() && result.back() == u'.') {
        result.back() = u'_';
    }
    blankDeviceName(result);
    return result;
}

} // namespace fw
