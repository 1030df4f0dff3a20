#pragma once
#include <cstdint>

namespace fw {

// Rectangles are (x, y, width, height); the platform's (left, top, right,
// bottom) form is converted at the boundary (see WinTypes_win.h).
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool isEmpty() const { return width < 1 || height < 1; }
    int32_t right() const { return x + width; }
    int32_t bottom() const { return y + height; }
    bool contains(int32_t px, int32_t py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
    bool operator==(const Rect&) const = default;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Size&) const = default;
};

// Intersection; empty (all zero) when the rectangles do not overlap.
inline Rect intersect(const Rect& a, const Rect& b) {
    int32_t left = a.x > b.x ? a.x : b.x;
    int32_t top = a.y > b.y ? a.y : b.y;
    int32_t right = a.right() < b.right() ? a.right() : b.right();
    int32_t bottom = a.bottom() < b.bottom() ? a.bottom() : b.bottom();
    if (right <= left || bottom <= top) {
        return Rect{};
    }
    return Rect{left, top, right - left, bottom - top};
}

// Smallest rectangle holding both; an empty rectangle adds nothing.
inline Rect unite(const Rect& a, const Rect& b) {
    if (a.isEmpty()) {
        return b;
    }
    if (b.isEmpty()) {
        return a;
    }
    int32_t left = a.x < b.x ? a.x : b.x;
    int32_t top = a.y < b.y ? a.y : b.y;
    int32_t right = a.right() > b.right() ? a.right() : b.right();
    int32_t bottom = a.bottom() > b.bottom() ? a.bottom() : b.bottom();
    return Rect{left, top, right - left, bottom - top};
}

} // namespace fw
