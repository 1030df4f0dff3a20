#include "ui/UIPainter.h"

namespace fw {

// The native build has no device to draw on.
void UIPainter::drawImageRect(const Image&, const Rect&, const Rect&) {}

} // namespace fw
