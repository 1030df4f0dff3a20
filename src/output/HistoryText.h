#pragma once
// The texts the screenshot list shows for a history entry, each looked up
// through the current translation.
#include "output/CaptureTime.h"
#include "output/HistoryFile.h"
#include "platform/WideString.h"

namespace fw {

// "Today", "Yesterday", or the translated "dd ^ yyyy" with the month's name.
WideString dateCaption(const CaptureTime& time, const CaptureTime& today);

// "1920 x 1080"
WideString dimensionsText(int32_t width, int32_t height);

// "yyyy/MM/dd hh:mm:ss", 24-hour clock.
WideString dateTimeText(const CaptureTime& time);

// "Full screen", "Window", "Region" or "Timer"; "-" for an unknown mode.
WideString modeLabel(int32_t mode);

// Five lines: file name, format, dimensions, date and mode.
WideString entryTooltip(const HistoryEntry& entry);

} // namespace fw
