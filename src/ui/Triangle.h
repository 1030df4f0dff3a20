#pragma once
// Small filled triangles for arrows drawn without a skin (expander headers,
// the balloon tip's pointer in a colour of the application's choosing).
#include "platform/Rect.h"
#include "ui/StyleValue.h"

namespace fw {

class UIPainter;

enum class Pointing : int32_t { Up, Down, Left, Right };

// Fills the triangle whose base is the side of `box` opposite `pointing` and
// whose tip is the middle of the side it points to.
void fillTriangle(UIPainter& painter, const Rect& box, Pointing pointing, Color color);

// The same triangle's two slanted sides as lines.
void drawTriangleSides(UIPainter& painter, const Rect& box, Pointing pointing, Color color);

} // namespace fw
