#pragma once
// Layouts arrange a widget's children in two passes: measure (the size hints
// of the items give the layout's own hint) and arrange (each item gets its
// final rectangle). Margins and spacings are logical lengths: the layout
// scales them with its widget's resolution. A layout never paints.
#include "platform/Rect.h"
#include "ui/StyleValue.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace fw {

class UIWidget;

// Margins and spacing take the style's metrics unless set.
constexpr int32_t kStyleDefault = -1;

class UILayout {
public:
    UILayout() = default;
    UILayout(const UILayout&) = delete;
    UILayout& operator=(const UILayout&) = delete;
    virtual ~UILayout() = default;

    // Logical margins; kStyleDefault takes the style's layout margins.
    void setMargins(const Margins& margins) { margins_ = margins; }
    void setMargins(int32_t all) { margins_ = Margins{all, all, all, all}; }
    void setSpacing(int32_t spacing) { spacing_ = spacing; }

    virtual Size sizeHint() const = 0;
    virtual Size minimumSize() const = 0;
    virtual void arrange(const Rect& area) = 0;

    // The widget whose children this layout arranges (set by setLayout).
    UIWidget* owner() const { return owner_; }
    void setOwner(UIWidget* owner) { owner_ = owner; }

protected:
    // Scaled margins and spacings.
    Margins scaledMargins() const;
    int32_t scaledSpacing(bool horizontal) const;
    int32_t scaled(int32_t logical) const;

private:
    UIWidget* owner_ = nullptr;
    Margins margins_{kStyleDefault, kStyleDefault, kStyleDefault, kStyleDefault};
    int32_t spacing_ = kStyleDefault;
};

enum class Direction : int32_t { Horizontal = 0, Vertical = 1 };

// A row or a column. Items: widgets (with a stretch factor and an alignment
// inside their cell), fixed spaces, stretches and nested layouts.
class UIBoxLayout : public UILayout {
public:
    explicit UIBoxLayout(Direction direction);
    ~UIBoxLayout() override;

    Direction direction() const { return direction_; }
    // `alignment` (Alignment bits) places a widget that does not fill its cell
    // across the layout's axis; 0 fills.
    void addWidget(UIWidget* widget, int32_t stretch = 0, uint32_t alignment = 0);
    // A fixed logical gap.
    void addSpacing(int32_t logical);
    // Space that grows with `stretch`.
    void addStretch(int32_t stretch = 1);
    // A nested layout; it arranges widgets of the same owner.
    UIBoxLayout* addLayout(std::unique_ptr<UIBoxLayout> layout, int32_t stretch = 0);
    UIBoxLayout* addRow(int32_t stretch = 0);
    UIBoxLayout* addColumn(int32_t stretch = 0);

    Size sizeHint() const override;
    Size minimumSize() const override;
    void arrange(const Rect& area) override;

private:
    struct Item;
    struct Extent {
        int32_t minimum = 0, preferred = 0, maximum = 0;
        int32_t across = 0, acrossMinimum = 0;
        int32_t stretch = 0;
        bool expanding = false;
        bool grows = true;
    };
    Extent extentOf(const Item& item) const;
    std::vector<const Item*> visibleItems() const;
    Size measure(bool preferred) const;
    int32_t spacingBefore(size_t index, const std::vector<const Item*>& items) const;

    Direction direction_;
    std::vector<std::unique_ptr<Item>> items_;
};

// Rows and columns of cells; columns and rows take the largest hint of their
// cells, and stretch factors share out what is left.
class UIGridLayout : public UILayout {
public:
    UIGridLayout();
    ~UIGridLayout() override;

    void addWidget(UIWidget* widget, int32_t row, int32_t column, int32_t rowSpan = 1,
                   int32_t columnSpan = 1, uint32_t alignment = 0);
    void setColumnStretch(int32_t column, int32_t stretch);
    void setRowStretch(int32_t row, int32_t stretch);
    // Logical spacings per axis; kStyleDefault takes the style's.
    void setHorizontalSpacing(int32_t logical) { horizontalSpacing_ = logical; }
    void setVerticalSpacing(int32_t logical) { verticalSpacing_ = logical; }

    Size sizeHint() const override;
    Size minimumSize() const override;
    void arrange(const Rect& area) override;

private:
    struct Cell;
    // Sizes of columns (horizontal) or rows, preferred or minimum.
    std::vector<int32_t> trackSizes(bool horizontal, bool preferred) const;
    std::vector<int32_t> distribute(bool horizontal, int32_t available) const;
    int32_t spacing(bool horizontal) const;

    std::vector<Cell> cells_;
    std::vector<int32_t> columnStretch_;
    std::vector<int32_t> rowStretch_;
    int32_t horizontalSpacing_ = kStyleDefault;
    int32_t verticalSpacing_ = kStyleDefault;
};

// Shares `available` among items with the given minimum and preferred sizes:
// first everyone's minimum, then up to the preferred sizes, then what is left
// by stretch (or equally among the expanding items when no stretch is set).
std::vector<int32_t> shareSpace(int32_t available, const std::vector<int32_t>& minimum,
                                const std::vector<int32_t>& preferred,
                                const std::vector<int32_t>& stretch,
                                const std::vector<bool>& expanding,
                                const std::vector<int32_t>& maximum);

} // namespace fw
