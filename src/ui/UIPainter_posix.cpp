#include "ui/UIPainter.h"

namespace fw {

// The native build has no device to draw on.
void UIPainter::drawImageThroughPlatform(const Image&, const Rect&, const Rect&) {}

void UIPainter::drawTextThroughPlatform(const Rect&, const Rect&, WideStringView, const FontSpec&,
                                        Color, uint32_t) {}

} // namespace fw
