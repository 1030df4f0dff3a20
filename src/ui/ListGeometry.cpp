#include "ui/ListGeometry.h"

#include <algorithm>

namespace fw {

namespace {

int32_t floorDivide(int32_t a, int32_t b) {
    const int32_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int32_t ceilDivide(int32_t a, int32_t b) {
    return -floorDivide(-a, b);
}

} // namespace

int32_t ListGeometry::cellWidth() const {
    return grid ? cell.width : std::max(0, viewWidth - padding.horizontal());
}

int32_t ListGeometry::columns() const {
    if (!grid || cell.width <= 0) {
        return 1;
    }
    const int32_t room = viewWidth - padding.horizontal() + horizontalSpacing;
    return std::max(1, room / (cell.width + horizontalSpacing));
}

int32_t ListGeometry::rows() const {
    return count <= 0 ? 0 : (count + columns() - 1) / columns();
}

int32_t ListGeometry::contentHeight() const {
    const int32_t n = rows();
    if (n == 0) {
        return 0;
    }
    return padding.vertical() + n * cell.height + (n - 1) * verticalSpacing;
}

Rect ListGeometry::itemRect(int32_t index) const {
    if (index < 0 || index >= count) {
        return Rect{};
    }
    return Rect{padding.left + columnOf(index) * columnPitch(), rowTop(rowOf(index)), cellWidth(),
                cell.height};
}

int32_t ListGeometry::itemAt(Point point) const {
    const int32_t x = point.x - padding.left;
    const int32_t y = point.y - padding.top;
    if (x < 0 || y < 0 || rowPitch() <= 0 || columnPitch() <= 0) {
        return -1;
    }
    const int32_t column = x / columnPitch();
    const int32_t row = y / rowPitch();
    if (column >= columns() || x - column * columnPitch() >= cellWidth() ||
        y - row * rowPitch() >= cell.height) {
        return -1;
    }
    const int32_t index = row * columns() + column;
    return index < count ? index : -1;
}

ListGeometry::Range ListGeometry::itemsIn(int32_t top, int32_t height) const {
    if (count <= 0 || height <= 0 || rowPitch() <= 0) {
        return Range{};
    }
    const int32_t firstRow = std::max(0, floorDivide(top - padding.top, rowPitch()));
    const int32_t lastRow =
        std::min(rows() - 1, floorDivide(top + height - 1 - padding.top, rowPitch()));
    if (lastRow < firstRow) {
        return Range{};
    }
    return Range{firstRow * columns(), std::min(count, (lastRow + 1) * columns())};
}

int32_t ListGeometry::firstWholeRow(int32_t top) const {
    return std::clamp(ceilDivide(top - padding.top, rowPitch()), 0, std::max(0, rows() - 1));
}

int32_t ListGeometry::lastWholeRow(int32_t top, int32_t viewHeight) const {
    const int32_t last = floorDivide(top + viewHeight - padding.top - cell.height, rowPitch());
    return std::clamp(last, 0, std::max(0, rows() - 1));
}

int32_t ListGeometry::rowsPerPage(int32_t viewHeight) const {
    return std::max(1, (viewHeight + verticalSpacing) / std::max(1, rowPitch()));
}

int32_t ListGeometry::indexAt(int32_t row, int32_t column) const {
    row = std::clamp(row, 0, std::max(0, rows() - 1));
    return std::min(count - 1, row * columns() + column);
}

int32_t ListGeometry::move(int32_t current, ListMove key, int32_t top, int32_t viewHeight) const {
    if (count <= 0) {
        return -1;
    }
    if (current < 0 || current >= count) {
        return key == ListMove::End ? count - 1 : 0;
    }
    const int32_t c = columns();
    const int32_t row = rowOf(current);
    const int32_t column = columnOf(current);
    switch (key) {
    case ListMove::Left:
        return std::max(0, current - 1);
    case ListMove::Right:
        return std::min(count - 1, current + 1);
    case ListMove::Up:
        return current >= c ? current - c : current;
    case ListMove::Down:
        // Below the last full row the last item stands in for the missing cell.
        return row + 1 < rows() ? std::min(count - 1, current + c) : current;
    case ListMove::Home:
        return 0;
    case ListMove::End:
        return count - 1;
    case ListMove::PageDown: {
        const int32_t last = lastWholeRow(top, viewHeight);
        const int32_t target = row < last ? last : row + std::max(1, rowsPerPage(viewHeight) - 1);
        return indexAt(target, column);
    }
    case ListMove::PageUp: {
        const int32_t first = firstWholeRow(top);
        const int32_t target = row > first ? first : row - std::max(1, rowsPerPage(viewHeight) - 1);
        return indexAt(target, column);
    }
    }
    return current;
}

} // namespace fw
