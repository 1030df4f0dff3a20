#include "output/HistoryText.h"
#include "i18n/Translation.h"

#include <array>

namespace fw {

namespace {

constexpr WideStringView kMainWindow = u"MainWindow";
constexpr WideStringView kToolTips = u"MainWindow/ToolTips";

constexpr std::array<WideStringView, 4> kModeNames = {u"Full screen", u"Window", u"Region",
                                                      u"Timer"};

WideString labelled(WideStringView label, WideStringView value) {
    return translate(label, kToolTips) + u" " + WideString(value);
}

} // namespace

WideString dateCaption(const CaptureTime& time, const CaptureTime& today) {
    if (sameDate(time, today)) {
        return translate(u"Today", kMainWindow);
    }
    if (julianDayNumber(today) - julianDayNumber(time) == 1) {
        return translate(u"Yesterday", kMainWindow);
    }
    // Digits first: a month's name may itself hold "dd" or "yyyy".
    WideString caption = translate(u"dd ^ yyyy", kMainWindow);
    caption = replaceAll(caption, u"dd", toWidePadded(time.day, 2));
    caption = replaceAll(caption, u"yyyy", toWidePadded(time.year, 4));
    return fillPlaceholder(caption, monthName(time.month));
}

WideString dimensionsText(int32_t width, int32_t height) {
    return toWide(width) + u" x " + toWide(height);
}

WideString dateTimeText(const CaptureTime& time) {
    return toWidePadded(time.year, 4) + u"/" + toWidePadded(time.month, 2) + u"/" +
           toWidePadded(time.day, 2) + u" " + toWidePadded(time.hour, 2) + u":" +
           toWidePadded(time.minute, 2) + u":" + toWidePadded(time.second, 2);
}

WideString modeLabel(int32_t mode) {
    const int32_t known = knownMode(mode);
    if (known == 0) {
        return u"-";
    }
    return translate(kModeNames[static_cast<size_t>(known - 1)], kMainWindow);
}

WideString entryTooltip(const HistoryEntry& entry) {
    return labelled(u"File name:", entry.location.name) + u"\n" +
           labelled(u"File format:", toUpperCase(entry.location.extension)) + u"\n" +
           labelled(u"Dimensions:", dimensionsText(entry.rect.width, entry.rect.height)) + u"\n" +
           labelled(u"Date:", dateTimeText(entry.time)) + u"\n" +
           labelled(u"Mode:", modeLabel(entry.mode));
}

} // namespace fw
