#include "ui/Offscreen.h"

#include "ui/DibSurface_win.h"

#include <cstring>

namespace fw {

Image renderOffscreen(Size size, int32_t dpi, const std::function<void(UIPainter&)>& draw) {
    Image image(true, size.width, size.height);
    DibSurface pixels;
    if (image.isEmpty() || !pixels.ensure(size.width, size.height)) {
        return Image();
    }
    image.setPremultiplied(true);
    pixels.clear(0);
    {
        UIPainter painter(pixels.surface(), pixels.dc(), dpi);
        draw(painter);
    }
    ::GdiFlush();
    PixelSurface drawn = pixels.surface();
    for (int32_t y = 0; y < size.height; ++y) {
        std::memcpy(image.row(y), drawn.row(y), static_cast<size_t>(size.width) * 4);
    }
    return image;
}

} // namespace fw
