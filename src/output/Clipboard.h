#pragma once
// Copying screenshots and texts to the clipboard.
#include "capture/Image.h"
#include "platform/Files.h"
#include "platform/WideString.h"

namespace fw {

// The clipboard's device-independent bitmap: a 40-byte header followed by the
// rows bottom-up, each as wide as the image's own row. Empty for an empty image.
Bytes dibFromImage(const Image& image);

// Both fail for empty input or a busy clipboard; a failure beeps when `beep`
// (the toolkit's sound switch) is on.
bool copyImageToClipboard(const Image& image, bool beep = true);
bool copyTextToClipboard(WideStringView text, bool beep = true);

} // namespace fw
