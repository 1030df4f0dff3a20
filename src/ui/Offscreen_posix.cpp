#include "ui/Offscreen.h"

namespace fw {

Image renderOffscreen(Size size, int32_t dpi, const std::function<void(UIPainter&)>& draw) {
    Image image(true, size.width, size.height);
    if (image.isEmpty()) {
        return image;
    }
    image.setPremultiplied(true);
    UIPainter painter(PixelSurface::of(image), nullptr, dpi);
    draw(painter);
    return image;
}

} // namespace fw
