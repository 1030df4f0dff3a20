#pragma once
// Where a list's items lie, worked out by arithmetic alone so that a list of
// thousands of items finds its visible ones, the item under the mouse and the
// target of a key without walking the items: list mode is one column of rows
// the width of the view, icon mode a grid of equal cells filling the width
// row by row. Coordinates are the content's: (0, 0) is the top-left corner of
// the unscrolled content.
#include "platform/Rect.h"
#include "ui/StyleValue.h"

#include <cstdint>

namespace fw {

enum class ListMove : int32_t { Left, Right, Up, Down, Home, End, PageUp, PageDown };

struct ListGeometry {
    bool grid = false;
    int32_t count = 0;
    int32_t viewWidth = 0;
    // Around all the items.
    Margins padding;
    // The cell of one item; in list mode its width follows the view.
    Size cell;
    int32_t horizontalSpacing = 0;
    int32_t verticalSpacing = 0;

    int32_t columns() const;
    int32_t rows() const;
    int32_t cellWidth() const;
    int32_t rowPitch() const { return cell.height + verticalSpacing; }
    int32_t columnPitch() const { return cellWidth() + horizontalSpacing; }
    int32_t rowOf(int32_t index) const { return index / columns(); }
    int32_t columnOf(int32_t index) const { return index % columns(); }
    // Height of everything, paddings included; 0 without items.
    int32_t contentHeight() const;
    Rect itemRect(int32_t index) const;
    // The item whose cell holds the point (not the spacing between); -1 when none.
    int32_t itemAt(Point point) const;

    // The items [first, end) whose rows meet the band from `top` down `height`.
    struct Range {
        int32_t first = 0;
        int32_t end = 0;
        bool operator==(const Range&) const = default;
    };
    Range itemsIn(int32_t top, int32_t height) const;

    // The item a key moves to from `current` (-1: none yet) with the view's
    // band at `top`, `viewHeight` high. Up and Down keep the column; Page Down
    // goes to the last row wholly in view, and from there a page further.
    int32_t move(int32_t current, ListMove key, int32_t top, int32_t viewHeight) const;

private:
    int32_t rowTop(int32_t row) const { return padding.top + row * rowPitch(); }
    int32_t firstWholeRow(int32_t top) const;
    int32_t lastWholeRow(int32_t top, int32_t viewHeight) const;
    int32_t rowsPerPage(int32_t viewHeight) const;
    int32_t indexAt(int32_t row, int32_t column) const;
};

} // namespace fw
