#pragma once
// Pictures of the main pack: the application's images, loaded by name, and
// the two window icons every toolkit window carries.
#include "capture/Image.h"
#include "platform/WideString.h"
#include "resources/PngDecoder.h"

namespace fw {

class DataPack;

// The entry `name` + ".png" of group "images" of `data`; the empty image when
// `data` is null, the entry is missing or it does not decode.
Image loadPackImage(const DataPack* data, WideStringView name, ImageDecoder decode);
// The same from the mounted pack "data" ("capture_button", "mode_desktop", ...).
Image loadPackImage(WideStringView name);

struct WindowIcons {
    Image small;
    Image big;
};

// "window_icon_small" and "window_icon_big"; a missing one stays empty.
WindowIcons loadWindowIcons(const DataPack* data, ImageDecoder decode);
// Loaded from the "data" pack on first use and kept until exit.
const WindowIcons& windowIcons();

} // namespace fw
