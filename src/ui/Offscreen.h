#pragma once
// Rendering without a window: the painter draws into an image of the given
// size (32-bit, premultiplied, starting transparent), text included.
#include "capture/Image.h"
#include "ui/UIPainter.h"

#include <functional>

namespace fw {

Image renderOffscreen(Size size, int32_t dpi, const std::function<void(UIPainter&)>& draw);

} // namespace fw
