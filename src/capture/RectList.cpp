#include "capture/RectList.h"

namespace fw {

std::vector<Rect> subtract(const Rect& a, const Rect& b) {
    if (a.isEmpty()) {
        return {};
    }
    const Rect cut = intersect(a, b);
    if (cut.isEmpty()) {
        return {a};
    }
    std::vector<Rect> parts;
    // Full-width bands above and below the cut, then the pieces beside it.
    if (cut.y > a.y) {
        parts.push_back(Rect{a.x, a.y, a.width, cut.y - a.y});
    }
    if (cut.bottom() < a.bottom()) {
        parts.push_back(Rect{a.x, cut.bottom(), a.width, a.bottom() - cut.bottom()});
    }
    if (cut.x > a.x) {
        parts.push_back(Rect{a.x, cut.y, cut.x - a.x, cut.height});
    }
    if (cut.right() < a.right()) {
        parts.push_back(Rect{cut.right(), cut.y, a.right() - cut.right(), cut.height});
    }
    return parts;
}

Rect boundingBoxAfterCutting(const Rect& area, const std::vector<Rect>& cuts) {
    std::vector<Rect> remaining;
    if (!area.isEmpty()) {
        remaining.push_back(area);
    }
    for (const Rect& cut : cuts) {
        std::vector<Rect> next;
        for (const Rect& piece : remaining) {
            appendRects(next, subtract(piece, cut));
        }
        remaining.swap(next);
    }
    return boundingBox(remaining);
}

Rect boundingBox(const std::vector<Rect>& rects) {
    Rect box;
    for (const Rect& r : rects) {
        box = unite(box, r);
    }
    return box;
}

Rect inflate(const Rect& r, int32_t amount) {
    return Rect{r.x - amount, r.y - amount, r.width + 2 * amount, r.height + 2 * amount};
}

std::vector<Rect> ring(const Rect& outer, const Rect& inner) {
    return subtract(outer, inner);
}

std::vector<Rect> symmetricDifference(const Rect& a, const Rect& b) {
    std::vector<Rect> parts = subtract(a, b);
    appendRects(parts, subtract(b, a));
    return parts;
}

void appendRects(std::vector<Rect>& list, const std::vector<Rect>& more) {
    for (const Rect& r : more) {
        if (!r.isEmpty()) {
            list.push_back(r);
        }
    }
}

} // namespace fw
