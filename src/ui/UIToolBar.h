#pragma once
// A tool bar: a row (or column) of tool buttons and separators on
// "UIToolBar_Background". Buttons that do not fit move into the menu of an
// indicator at the bar's end ("UIToolBar_MenuIndicator", normal, disabled).
// The bar is one Tab stop: Tab reaches its current button and the arrows move
// along the bar; in an exclusive bar checking a button unchecks the others.
#include "ui/UILayout.h"
#include "ui/UIToolButton.h"

#include <memory>
#include <vector>

namespace fw {

class UIToolBar : public UIWidget {
public:
    explicit UIToolBar(Direction orientation = Direction::Horizontal);
    ~UIToolBar() override;

    Direction orientation() const { return orientation_; }
    void setOrientation(Direction orientation);

    UIToolButton* addButton(WideString text = WideString(), Image icon = Image());
    UIToolButton* addButton(std::unique_ptr<UIToolButton> button);
    void addSeparator();
    // The buttons in bar order (the overflow indicator is not one of them).
    std::vector<UIToolButton*> buttons() const;
    // Every button, present and future, shows its picture and text this way.
    void setButtonStyle(ToolButtonStyle style);
    bool isExclusive() const { return exclusive_; }
    void setExclusive(bool exclusive) { exclusive_ = exclusive; }

    // The buttons that did not fit, and the indicator whose menu lists them.
    const std::vector<UIToolButton*>& overflowed() const { return overflowed_; }
    UIToolButton* overflowButton() const;
    // Where the separators lie (local coordinates).
    const std::vector<Rect>& separatorRects() const { return separators_; }

    // Places the buttons in the current rectangle.
    void relayoutButtons();

    // Called by the buttons.
    void uncheckOthers(UIToolButton* checked);
    void buttonFocused(UIToolButton* button);
    void updateTabStops();
    // From an open menu: closes it and opens the next button's menu that way.
    void openNeighbourMenu(UIToolButton* from, int32_t direction);

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onKeyPress(const KeyEvent& event) override;
    void onResize() override;

private:
    class OverflowButton;
    bool horizontal() const { return orientation_ == Direction::Horizontal; }
    // Length along the bar of each entry; -1 for a hidden button.
    std::vector<int32_t> entryLengths() const;
    // Buttons that can take focus, in bar order, the indicator last.
    std::vector<UIToolButton*> reachable() const;
    void fillOverflowMenu(UIMenu& menu);
    void overflowChosen(int32_t index);

    Direction orientation_;
    // Buttons in bar order; null marks a separator.
    std::vector<UIToolButton*> entries_;
    std::vector<Rect> separators_;
    std::vector<UIToolButton*> overflowed_;
    OverflowButton* overflow_ = nullptr;
    UIToolButton* tabStop_ = nullptr;
    ToolButtonStyle buttonStyle_ = ToolButtonStyle::TextBesideIcon;
    bool exclusive_ = false;
    bool arranging_ = false;

    Paint background_;
    Margins padding_{6, 6, 6, 6};
    Margins buttonPadding_{4, 4, 4, 4};
    int32_t buttonSpacing_ = 2;
    int32_t intervalThickness_ = 9;
    const Skin* skin_ = nullptr;
};

} // namespace fw
