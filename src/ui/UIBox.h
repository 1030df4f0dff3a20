#pragma once
// Plain layout pieces: UIBox, a container that paints a background under its
// children and arranges them with its layout; UISpacer, an empty widget that
// takes a fixed or a growing space where a layout needs a widget (grid
// cells); UILine, a horizontal or vertical separator ("UILine_Background").
#include "ui/UILayout.h"
#include "ui/UIPainter.h"
#include "ui/UIWidget.h"

namespace fw {

class Skin;

class UIBox : public UIWidget {
public:
    UIBox();
    // A box that arranges its children in a row or a column.
    explicit UIBox(Direction direction);

    // Replaces the layout with a row or a column and returns it.
    UIBoxLayout* setBoxLayout(Direction direction);
    // The row or column set by the constructor or setBoxLayout, else null.
    UIBoxLayout* boxLayout() const;

    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;

private:
    Paint background_;
};

class UISpacer : public UIWidget {
public:
    // `logical` (96 DPI) pixels; a growing spacer takes what its layout leaves.
    explicit UISpacer(Size logical = Size{}, SizePolicy horizontal = SizePolicy::Fixed,
                      SizePolicy vertical = SizePolicy::Fixed);
    // Space that grows along `direction` (and takes none across it).
    static std::unique_ptr<UISpacer> stretch(Direction direction);

    Size sizeHint() const override;
    Size minimumSizeHint() const override;

private:
    Size logical_;
};

class UILine : public UIWidget {
public:
    explicit UILine(Direction direction = Direction::Horizontal);

    Direction direction() const { return direction_; }
    void setDirection(Direction direction);
    // The line's thickness: the skin's across the line, else one pixel.
    int32_t thickness() const;
    // Where the line is drawn: centred across the widget, along its whole length.
    Rect lineRect() const;

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

private:
    Direction direction_;
    const Skin* skin_ = nullptr;
};

} // namespace fw
