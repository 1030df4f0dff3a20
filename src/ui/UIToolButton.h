#pragma once
// A tool button: a picture (normal, hovered and disabled variants) and/or a
// text on "UIToolButton_Background" (frames normal (empty), hovered, pressed,
// checked). It can be checkable, and it can drop down a menu, either from an
// arrow part beside its main part (split: the main part still clicks) or from
// the whole button; "UIToolButton_Arrow" (normal, disabled) marks the menu.
// It takes focus with Tab but not on a click; Space and Enter click it, and
// Alt+Down or F4 open its menu.
#include "ui/PressState.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <functional>
#include <memory>

namespace fw {

class UIMenu;
class UIToolBar;

enum class ToolButtonStyle : int32_t { IconOnly, TextOnly, TextBesideIcon, TextUnderIcon };
enum class ToolButtonMenuMode : int32_t { None, Split, Whole };

class UIToolButton : public UIWidget {
public:
    explicit UIToolButton(WideString text = WideString(), Image icon = Image());
    ~UIToolButton() override;

    const WideString& text() const { return text_; }
    void setText(WideString text);
    void setIcon(Image icon);
    // The picture, and the variants shown under the mouse and when disabled.
    void setIcons(Image normal, Image hovered, Image disabled);
    const ScaledImage& icon() const { return icon_; }
    ToolButtonStyle buttonStyle() const { return style_; }
    void setButtonStyle(ToolButtonStyle style);

    bool isCheckable() const { return checkable_; }
    void setCheckable(bool checkable) { checkable_ = checkable; }
    bool isChecked() const { return checked_; }
    // onToggled runs only when the state changes.
    void setChecked(bool checked);

    // Gives the button a menu of its own (kept across calls) and returns it.
    UIMenu* setMenu(ToolButtonMenuMode mode);
    UIMenu* menu() const;
    ToolButtonMenuMode menuMode() const { return menuMode_; }
    // Drops the menu down below the button (or `anchor`, e.g. the tool bar's
    // overflow indicator); from the keyboard its first item is highlighted.
    void showMenu(bool fromKeyboard = false, const UIWidget* anchor = nullptr);
    bool isMenuOpen() const;

    // As if clicked: a checkable button toggles (in an exclusive bar it only
    // checks), then onClicked runs.
    void click();
    std::function<void()> onClicked;
    std::function<void(bool)> onToggled;

    // The arrow part of a split button (local coordinates); empty otherwise.
    Rect arrowPartRect() const;

    // The tool bar's padding for its buttons; a "padding" property of the
    // button itself wins.
    void setBarPadding(const Margins& logical);

    Size sizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;

    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseMove(const MouseEvent& event) override;
    void onMouseLeave() override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onKeyRelease(const KeyEvent& event) override;
    void onCaptureLost() override;
    void onFocusIn() override;
    void onFocusOut() override;
    void onStateChanged() override;

protected:
    UIToolBar* toolBar() const;
    // Text and picture (or whatever the button shows) inside `content`.
    virtual void paintContent(UIPainter& painter, const Rect& content);
    virtual Size contentSize() const;
    const Image& currentIcon() const;
    Size arrowSize() const;

    TextStyle textStyle_;
    const Skin* arrow_ = nullptr;

private:
    class Menu;
    int32_t mainFrame() const;
    int32_t arrowFrame() const;
    Rect mainPartRect() const;
    // The size hint changed: the window and the bar lay out again.
    void contentChanged();
    bool menuOpensFromWhole() const { return menuMode_ == ToolButtonMenuMode::Whole; }

    WideString text_;
    ScaledImage icon_;
    ScaledImage hoveredIcon_;
    ScaledImage disabledIcon_;
    ToolButtonStyle style_ = ToolButtonStyle::TextBesideIcon;
    Margins padding_{5, 4, 5, 4};
    bool ownPadding_ = false;
    const Skin* background_ = nullptr;

    std::unique_ptr<Menu> menu_;
    ToolButtonMenuMode menuMode_ = ToolButtonMenuMode::None;
    bool checkable_ = false;
    bool checked_ = false;
    PressState press_;
    bool arrowHovered_ = false;
};

} // namespace fw
