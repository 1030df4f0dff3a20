#include "ui/Triangle.h"

#include "ui/UIPainter.h"

namespace fw {

namespace {

// The span [from, to) of the triangle at step `i` of `steps` from its base,
// across a base of `base` pixels.
void spanAt(int32_t i, int32_t steps, int32_t base, int32_t& from, int32_t& to) {
    // Narrows linearly from the full base to about one pixel at the tip.
    const int32_t width = base - (base * i) / steps;
    from = (base - width) / 2;
    to = from + (width > 0 ? width : 1);
}

} // namespace

void fillTriangle(UIPainter& painter, const Rect& box, Pointing pointing, Color color) {
    if (box.isEmpty()) {
        return;
    }
    const bool vertical = pointing == Pointing::Up || pointing == Pointing::Down;
    const int32_t steps = vertical ? box.height : box.width;
    const int32_t base = vertical ? box.width : box.height;
    for (int32_t i = 0; i < steps; ++i) {
        int32_t from = 0, to = 0;
        spanAt(i, steps, base, from, to);
        switch (pointing) {
        case Pointing::Down:
            painter.fillRect(Rect{box.x + from, box.y + i, to - from, 1}, color);
            break;
        case Pointing::Up:
            painter.fillRect(Rect{box.x + from, box.bottom() - 1 - i, to - from, 1}, color);
            break;
        case Pointing::Right:
            painter.fillRect(Rect{box.x + i, box.y + from, 1, to - from}, color);
            break;
        case Pointing::Left:
            painter.fillRect(Rect{box.right() - 1 - i, box.y + from, 1, to - from}, color);
            break;
        }
    }
}

void drawTriangleSides(UIPainter& painter, const Rect& box, Pointing pointing, Color color) {
    if (box.isEmpty()) {
        return;
    }
    const int32_t right = box.right() - 1;
    const int32_t bottom = box.bottom() - 1;
    const Point midX{box.x + box.width / 2, 0};
    const Point midY{0, box.y + box.height / 2};
    switch (pointing) {
    case Pointing::Down:
        painter.drawLine({box.x, box.y}, {midX.x, bottom}, color);
        painter.drawLine({right, box.y}, {midX.x, bottom}, color);
        break;
    case Pointing::Up:
        painter.drawLine({box.x, bottom}, {midX.x, box.y}, color);
        painter.drawLine({right, bottom}, {midX.x, box.y}, color);
        break;
    case Pointing::Right:
        painter.drawLine({box.x, box.y}, {right, midY.y}, color);
        painter.drawLine({box.x, bottom}, {right, midY.y}, color);
        break;
    case Pointing::Left:
        painter.drawLine({right, box.y}, {box.x, midY.y}, color);
        painter.drawLine({right, bottom}, {box.x, midY.y}, color);
        break;
    }
}

} // namespace fw
