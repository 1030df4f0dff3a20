#include "capture/RectList.h"

#include <cstdint>

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
    return boundingBox(difference({area}, cuts));
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

namespace {

int64_t areaOf(const Rect& r) {
    return r.isEmpty() ? 0 : int64_t{r.width} * r.height;
}

} // namespace

std::vector<Rect> coalesce(std::vector<Rect> rects, size_t most, int64_t freeArea) {
    std::erase_if(rects, [](const Rect& r) { return r.isEmpty(); });
    while (rects.size() > 1) {
        size_t first = 0;
        size_t second = 1;
        int64_t cheapest = INT64_MAX;
        for (size_t i = 0; i + 1 < rects.size(); ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const int64_t added =
                    areaOf(unite(rects[i], rects[j])) - areaOf(rects[i]) - areaOf(rects[j]);
                if (added < cheapest) {
                    cheapest = added;
                    first = i;
                    second = j;
                }
            }
        }
        if (cheapest >= freeArea && rects.size() <= most) {
            break;
        }
        rects[first] = unite(rects[first], rects[second]);
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(second));
    }
    return rects;
}

std::vector<Rect> difference(const std::vector<Rect>& a, const std::vector<Rect>& b) {
    std::vector<Rect> remaining;
    appendRects(remaining, a);
    for (const Rect& cut : b) {
        std::vector<Rect> next;
        for (const Rect& piece : remaining) {
            appendRects(next, subtract(piece, cut));
        }
        remaining.swap(next);
    }
    return remaining;
}

void appendRects(std::vector<Rect>& list, const std::vector<Rect>& more) {
    for (const Rect& r : more) {
        if (!r.isEmpty()) {
            list.push_back(r);
        }
    }
}

} // namespace fw
