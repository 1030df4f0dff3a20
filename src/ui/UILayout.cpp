#include "ui/UILayout.h"

#include "resources/StyleResources.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

#include <algorithm>
#include <numeric>

namespace fw {

namespace {

constexpr int32_t kUnbounded = 1 << 24;

int32_t along(Size s, Direction d) {
    return d == Direction::Horizontal ? s.width : s.height;
}

int32_t across(Size s, Direction d) {
    return d == Direction::Horizontal ? s.height : s.width;
}

Size makeSize(int32_t main, int32_t cross, Direction d) {
    return d == Direction::Horizontal ? Size{main, cross} : Size{cross, main};
}

// Gives `extra` to the items with weights, never beyond their maximum.
void growByWeight(std::vector<int32_t>& sizes, int32_t extra, std::vector<int32_t> weights,
                  const std::vector<int32_t>& maximum) {
    while (extra > 0) {
        int64_t total = 0;
        for (size_t i = 0; i < sizes.size(); ++i) {
            if (sizes[i] >= maximum[i]) {
                weights[i] = 0;
            }
            total += weights[i];
        }
        if (total == 0) {
            return;
        }
        int32_t given = 0;
        int32_t remainder = extra;
        for (size_t i = 0; i < sizes.size(); ++i) {
            if (weights[i] == 0) {
                continue;
            }
            int32_t share = static_cast<int32_t>(int64_t(extra) * weights[i] / total);
            // The rounding leftovers go to the first growers.
            if (share == 0 && remainder > 0) {
                share = 1;
            }
            share = std::min({share, maximum[i] - sizes[i], remainder});
            sizes[i] += share;
            given += share;
            remainder -= share;
        }
        if (given == 0) {
            return;
        }
        extra -= given;
    }
}

} // namespace

std::vector<int32_t> shareSpace(int32_t available, const std::vector<int32_t>& minimum,
                                const std::vector<int32_t>& preferred,
                                const std::vector<int32_t>& stretch,
                                const std::vector<bool>& expanding,
                                const std::vector<int32_t>& maximum) {
    const size_t n = minimum.size();
    const int64_t minimumTotal = std::accumulate(minimum.begin(), minimum.end(), int64_t(0));
    const int64_t preferredTotal = std::accumulate(preferred.begin(), preferred.end(), int64_t(0));
    std::vector<int32_t> sizes = minimum;
    if (available <= minimumTotal) {
        return sizes;
    }
    if (available <= preferredTotal) {
        // Everyone gets the same share of the way from minimum to preferred.
        std::vector<int32_t> weights(n);
        for (size_t i = 0; i < n; ++i) {
            weights[i] = preferred[i] - minimum[i];
        }
        growByWeight(sizes, static_cast<int32_t>(available - minimumTotal), weights, preferred);
        return sizes;
    }
    sizes = preferred;
    int32_t extra = static_cast<int32_t>(available - preferredTotal);
    std::vector<int32_t> weights(n, 0);
    bool any = false;
    for (size_t i = 0; i < n; ++i) {
        weights[i] = std::max(0, stretch[i]);
        any = any || weights[i] > 0;
    }
    if (!any) {
        for (size_t i = 0; i < n; ++i) {
            weights[i] = expanding[i] ? 1 : 0;
            any = any || expanding[i];
        }
    }
    if (!any) {
        for (size_t i = 0; i < n; ++i) {
            weights[i] = maximum[i] > preferred[i] ? 1 : 0;
        }
    }
    growByWeight(sizes, extra, weights, maximum);
    return sizes;
}

Margins UILayout::scaledMargins() const {
    auto pick = [this](int32_t value, MetricId id) {
        if (value != kStyleDefault) {
            return scaled(value);
        }
        return owner_ ? owner_->metric(static_cast<int32_t>(id)) : 0;
    };
    return Margins{pick(margins_.left, MetricId::LayoutLeftMargin),
                   pick(margins_.top, MetricId::LayoutTopMargin),
                   pick(margins_.right, MetricId::LayoutRightMargin),
                   pick(margins_.bottom, MetricId::LayoutBottomMargin)};
}

int32_t UILayout::scaledSpacing(bool horizontal) const {
    if (spacing_ != kStyleDefault) {
        return scaled(spacing_);
    }
    if (!owner_) {
        return 0;
    }
    return owner_->metric(static_cast<int32_t>(horizontal ? MetricId::LayoutHorizontalSpacing
                                                          : MetricId::LayoutVerticalSpacing));
}

int32_t UILayout::scaled(int32_t logical) const {
    return owner_ ? owner_->px(logical) : logical;
}

// --- Box layout ---

enum class ItemKind { Widget, Spacing, Stretch, Layout };

struct UIBoxLayout::Item {
    ItemKind kind = ItemKind::Widget;
    UIWidget* widget = nullptr;
    std::unique_ptr<UIBoxLayout> layout;
    int32_t stretch = 0;
    uint32_t alignment = 0;
    int32_t spacing = 0;
};

UIBoxLayout::UIBoxLayout(Direction direction) : direction_(direction) {}

UIBoxLayout::~UIBoxLayout() = default;

void UIBoxLayout::addWidget(UIWidget* widget, int32_t stretch, uint32_t alignment) {
    auto item = std::make_unique<Item>();
    item->kind = ItemKind::Widget;
    item->widget = widget;
    item->stretch = stretch;
    item->alignment = alignment;
    items_.push_back(std::move(item));
}

void UIBoxLayout::addSpacing(int32_t logical) {
    auto item = std::make_unique<Item>();
    item->kind = ItemKind::Spacing;
    item->spacing = logical;
    items_.push_back(std::move(item));
}

void UIBoxLayout::addStretch(int32_t stretch) {
    auto item = std::make_unique<Item>();
    item->kind = ItemKind::Stretch;
    item->stretch = stretch;
    items_.push_back(std::move(item));
}

UIBoxLayout* UIBoxLayout::addLayout(std::unique_ptr<UIBoxLayout> layout, int32_t stretch) {
    auto item = std::make_unique<Item>();
    item->kind = ItemKind::Layout;
    layout->setOwner(owner());
    // A nested layout lays out flush unless told otherwise.
    layout->setMargins(0);
    item->layout = std::move(layout);
    item->stretch = stretch;
    UIBoxLayout* added = item->layout.get();
    items_.push_back(std::move(item));
    return added;
}

UIBoxLayout* UIBoxLayout::addRow(int32_t stretch) {
    return addLayout(std::make_unique<UIBoxLayout>(Direction::Horizontal), stretch);
}

UIBoxLayout* UIBoxLayout::addColumn(int32_t stretch) {
    return addLayout(std::make_unique<UIBoxLayout>(Direction::Vertical), stretch);
}

std::vector<const UIBoxLayout::Item*> UIBoxLayout::visibleItems() const {
    std::vector<const Item*> visible;
    for (const auto& item : items_) {
        if (item->kind == ItemKind::Widget && (!item->widget || !item->widget->isVisibleFlag())) {
            continue;
        }
        if (item->kind == ItemKind::Layout) {
            // Nested layouts know their owner only once this one has one.
            item->layout->setOwner(owner());
        }
        visible.push_back(item.get());
    }
    return visible;
}

UIBoxLayout::Extent UIBoxLayout::extentOf(const Item& item) const {
    Extent e;
    e.stretch = item.stretch;
    switch (item.kind) {
    case ItemKind::Spacing:
        e.minimum = e.preferred = e.maximum = scaled(item.spacing);
        e.grows = false;
        return e;
    case ItemKind::Stretch:
        e.maximum = kUnbounded;
        e.stretch = std::max(1, item.stretch);
        return e;
    case ItemKind::Layout: {
        Size hint = item.layout->sizeHint();
        Size minimum = item.layout->minimumSize();
        e.preferred = along(hint, direction_);
        e.minimum = along(minimum, direction_);
        e.maximum = kUnbounded;
        e.across = across(hint, direction_);
        e.acrossMinimum = across(minimum, direction_);
        return e;
    }
    case ItemKind::Widget:
        break;
    }
    const UIWidget& w = *item.widget;
    Size hint = w.effectiveSizeHint();
    Size minimum = w.effectiveMinimumSize();
    SizePolicy policy =
        direction_ == Direction::Horizontal ? w.horizontalPolicy() : w.verticalPolicy();
    e.preferred = along(hint, direction_);
    e.minimum = policy == SizePolicy::Fixed ? e.preferred : along(minimum, direction_);
    e.maximum = policy == SizePolicy::Fixed ? e.preferred : along(w.maximumSize(), direction_);
    e.expanding = policy == SizePolicy::Expanding;
    e.across = across(hint, direction_);
    e.acrossMinimum = across(minimum, direction_);
    return e;
}

int32_t UIBoxLayout::spacingBefore(size_t index, const std::vector<const Item*>& items) const {
    if (index == 0) {
        return 0;
    }
    auto isSpacer = [](const Item* item) {
        return item->kind == ItemKind::Spacing || item->kind == ItemKind::Stretch;
    };
    if (isSpacer(items[index]) || isSpacer(items[index - 1])) {
        return 0;
    }
    return scaledSpacing(direction_ == Direction::Horizontal);
}

Size UIBoxLayout::measure(bool preferred) const {
    std::vector<const Item*> items = visibleItems();
    int32_t main = 0;
    int32_t cross = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        Extent e = extentOf(*items[i]);
        main += spacingBefore(i, items) + (preferred ? e.preferred : e.minimum);
        cross = std::max(cross, preferred ? e.across : e.acrossMinimum);
    }
    Margins m = scaledMargins();
    Size inner = makeSize(main, cross, direction_);
    return Size{inner.width + m.horizontal(), inner.height + m.vertical()};
}

Size UIBoxLayout::sizeHint() const {
    return measure(true);
}

Size UIBoxLayout::minimumSize() const {
    return measure(false);
}

void UIBoxLayout::arrange(const Rect& area) {
    std::vector<const Item*> items = visibleItems();
    Rect inner = shrink(area, scaledMargins());
    const bool horizontal = direction_ == Direction::Horizontal;
    std::vector<int32_t> minimum, preferred, stretch, maximum, gaps;
    std::vector<bool> expanding;
    int32_t gapTotal = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        Extent e = extentOf(*items[i]);
        minimum.push_back(e.minimum);
        preferred.push_back(e.preferred);
        stretch.push_back(e.stretch);
        maximum.push_back(std::max(e.maximum, e.preferred));
        expanding.push_back(e.expanding);
        gaps.push_back(spacingBefore(i, items));
        gapTotal += gaps.back();
    }
    const int32_t mainLength = horizontal ? inner.width : inner.height;
    const int32_t crossLength = horizontal ? inner.height : inner.width;
    std::vector<int32_t> sizes = shareSpace(std::max(0, mainLength - gapTotal), minimum, preferred,
                                            stretch, expanding, maximum);
    int32_t position = horizontal ? inner.x : inner.y;
    for (size_t i = 0; i < items.size(); ++i) {
        position += gaps[i];
        const Item& item = *items[i];
        Rect cell = horizontal ? Rect{position, inner.y, sizes[i], crossLength}
                               : Rect{inner.x, position, crossLength, sizes[i]};
        position += sizes[i];
        if (item.kind == ItemKind::Layout) {
            item.layout->arrange(cell);
        } else if (item.kind == ItemKind::Widget) {
            const UIWidget& w = *item.widget;
            SizePolicy crossPolicy = horizontal ? w.verticalPolicy() : w.horizontalPolicy();
            Size hint = w.effectiveSizeHint();
            if (item.alignment != 0 || crossPolicy == SizePolicy::Fixed) {
                int32_t crossSize = std::min(across(hint, direction_), crossLength);
                Size placed = makeSize(sizes[i], crossSize, direction_);
                uint32_t alignment = item.alignment != 0 ? item.alignment : AlignCenter;
                cell = alignedRect(cell, placed, alignment);
            }
            item.widget->setGeometry(cell);
        }
    }
}

// --- Grid layout ---

struct UIGridLayout::Cell {
    UIWidget* widget;
    int32_t row, column, rowSpan, columnSpan;
    uint32_t alignment;
};

UIGridLayout::UIGridLayout() = default;

UIGridLayout::~UIGridLayout() = default;

void UIGridLayout::addWidget(UIWidget* widget, int32_t row, int32_t column, int32_t rowSpan,
                             int32_t columnSpan, uint32_t alignment) {
    cells_.push_back(Cell{widget, std::max(0, row), std::max(0, column), std::max(1, rowSpan),
                          std::max(1, columnSpan), alignment});
}

void UIGridLayout::setColumnStretch(int32_t column, int32_t stretch) {
    if (column < 0) {
        return;
    }
    if (columnStretch_.size() <= static_cast<size_t>(column)) {
        columnStretch_.resize(static_cast<size_t>(column) + 1, 0);
    }
    columnStretch_[static_cast<size_t>(column)] = stretch;
}

void UIGridLayout::setRowStretch(int32_t row, int32_t stretch) {
    if (row < 0) {
        return;
    }
    if (rowStretch_.size() <= static_cast<size_t>(row)) {
        rowStretch_.resize(static_cast<size_t>(row) + 1, 0);
    }
    rowStretch_[static_cast<size_t>(row)] = stretch;
}

int32_t UIGridLayout::spacing(bool horizontal) const {
    int32_t logical = horizontal ? horizontalSpacing_ : verticalSpacing_;
    return logical == kStyleDefault ? scaledSpacing(horizontal) : scaled(logical);
}

std::vector<int32_t> UIGridLayout::trackSizes(bool horizontal, bool preferred) const {
    size_t count = 0;
    for (const Cell& c : cells_) {
        count = std::max(
            count, static_cast<size_t>(horizontal ? c.column + c.columnSpan : c.row + c.rowSpan));
    }
    std::vector<int32_t> sizes(count, 0);
    auto extent = [&](const Cell& c) {
        Size s = preferred ? c.widget->effectiveSizeHint() : c.widget->effectiveMinimumSize();
        return horizontal ? s.width : s.height;
    };
    // Single cells first, then spanning cells widen their last track if needed.
    for (const Cell& c : cells_) {
        int32_t span = horizontal ? c.columnSpan : c.rowSpan;
        int32_t start = horizontal ? c.column : c.row;
        if (span == 1 && c.widget->isVisibleFlag()) {
            sizes[static_cast<size_t>(start)] =
                std::max(sizes[static_cast<size_t>(start)], extent(c));
        }
    }
    for (const Cell& c : cells_) {
        int32_t span = horizontal ? c.columnSpan : c.rowSpan;
        int32_t start = horizontal ? c.column : c.row;
        if (span > 1 && c.widget->isVisibleFlag()) {
            int32_t have = spacing(horizontal) * (span - 1);
            for (int32_t i = start; i < start + span; ++i) {
                have += sizes[static_cast<size_t>(i)];
            }
            int32_t need = extent(c);
            if (need > have) {
                sizes[static_cast<size_t>(start + span - 1)] += need - have;
            }
        }
    }
    return sizes;
}

Size UIGridLayout::sizeHint() const {
    auto total = [this](bool horizontal) {
        std::vector<int32_t> sizes = trackSizes(horizontal, true);
        int32_t sum = std::accumulate(sizes.begin(), sizes.end(), 0);
        return sum + spacing(horizontal) * std::max<int32_t>(0, int32_t(sizes.size()) - 1);
    };
    Margins m = scaledMargins();
    return Size{total(true) + m.horizontal(), total(false) + m.vertical()};
}

Size UIGridLayout::minimumSize() const {
    auto total = [this](bool horizontal) {
        std::vector<int32_t> sizes = trackSizes(horizontal, false);
        int32_t sum = std::accumulate(sizes.begin(), sizes.end(), 0);
        return sum + spacing(horizontal) * std::max<int32_t>(0, int32_t(sizes.size()) - 1);
    };
    Margins m = scaledMargins();
    return Size{total(true) + m.horizontal(), total(false) + m.vertical()};
}

std::vector<int32_t> UIGridLayout::distribute(bool horizontal, int32_t available) const {
    std::vector<int32_t> preferred = trackSizes(horizontal, true);
    std::vector<int32_t> minimum = trackSizes(horizontal, false);
    const size_t n = preferred.size();
    const std::vector<int32_t>& stretches = horizontal ? columnStretch_ : rowStretch_;
    std::vector<int32_t> stretch(n, 0);
    std::vector<bool> expanding(n, false);
    for (size_t i = 0; i < n; ++i) {
        stretch[i] = i < stretches.size() ? stretches[i] : 0;
    }
    for (const Cell& c : cells_) {
        SizePolicy policy = horizontal ? c.widget->horizontalPolicy() : c.widget->verticalPolicy();
        int32_t start = horizontal ? c.column : c.row;
        int32_t span = horizontal ? c.columnSpan : c.rowSpan;
        if (policy == SizePolicy::Expanding && c.widget->isVisibleFlag()) {
            expanding[static_cast<size_t>(start + span - 1)] = true;
        }
    }
    std::vector<int32_t> maximum(n, kUnbounded);
    int32_t gaps = spacing(horizontal) * std::max<int32_t>(0, int32_t(n) - 1);
    return shareSpace(std::max(0, available - gaps), minimum, preferred, stretch, expanding,
                      maximum);
}

void UIGridLayout::arrange(const Rect& area) {
    Rect inner = shrink(area, scaledMargins());
    std::vector<int32_t> columns = distribute(true, inner.width);
    std::vector<int32_t> rows = distribute(false, inner.height);
    auto offsets = [](const std::vector<int32_t>& sizes, int32_t start, int32_t gap) {
        std::vector<int32_t> at(sizes.size() + 1, start);
        for (size_t i = 0; i < sizes.size(); ++i) {
            at[i + 1] = at[i] + sizes[i] + gap;
        }
        return at;
    };
    std::vector<int32_t> x = offsets(columns, inner.x, spacing(true));
    std::vector<int32_t> y = offsets(rows, inner.y, spacing(false));
    for (const Cell& c : cells_) {
        if (!c.widget->isVisibleFlag()) {
            continue;
        }
        auto column = static_cast<size_t>(c.column);
        auto row = static_cast<size_t>(c.row);
        int32_t left = x[column];
        int32_t top = y[row];
        int32_t right = x[column + static_cast<size_t>(c.columnSpan)] - spacing(true);
        int32_t bottom = y[row + static_cast<size_t>(c.rowSpan)] - spacing(false);
        Rect cell{left, top, std::max(0, right - left), std::max(0, bottom - top)};
        if (c.alignment != 0) {
            Size hint = c.widget->effectiveSizeHint();
            Size placed{std::min(hint.width, cell.width), std::min(hint.height, cell.height)};
            if (c.widget->horizontalPolicy() == SizePolicy::Expanding) {
                placed.width = cell.width;
            }
            cell = alignedRect(cell, placed, c.alignment);
        }
        c.widget->setGeometry(cell);
    }
}

} // namespace fw
