#include "ui/UIPainter.h"

namespace fw {

void UIPainter::drawImage(const Image& image, const Rect& source, const Rect& destination) {
    if (source.isEmpty() || destination.isEmpty()) {
        return;
    }
    if (source.width == destination.width && source.height == destination.height) {
        copyImage(image, {source.x, source.y}, {destination.x, destination.y}, source.width,
                  source.height);
        return;
    }
    drawImageRect(image, source, destination);
}

void UIPainter::copyImage(const Image& image, Point source, Point destination, int32_t width,
                          int32_t height) {
    if (width < 1 || height < 1) {
        return;
    }
    drawImageRect(image, {source.x, source.y, width, height},
                  {destination.x, destination.y, width, height});
}

} // namespace fw
