#pragma once
// Copying screenshots and facts about them to the clipboard.
#include "capture/Image.h"
#include "output/CaptureTime.h"
#include "platform/Files.h"
#include "platform/WideString.h"

namespace fw {

// The clipboard's device-independent bitmap: a 40-byte header followed by the
// rows bottom-up, each as wide as the image's own row. Empty for an empty image.
Bytes dibFromImage(const Image& image);

// "1920 x 1080"
WideString dimensionsText(int32_t width, int32_t height);
// "2010/03/05 14:07:09"
WideString dateText(const CaptureTime& time);

// Both fail for empty input or a busy clipboard; a failure beeps when `beep`
// (the toolkit's sound switch) is on.
bool copyImageToClipboard(const Image& image, bool beep = true);
bool copyTextToClipboard(WideStringView text, bool beep = true);

} // namespace fw
