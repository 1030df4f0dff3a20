#include "ui/UIToolButton.h"

#include "ui/TextLayout.h"
#include "ui/UIMenu.h"
#include "ui/UIPainter.h"
#include "ui/UIToolBar.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

enum ButtonFrame : int32_t {
    FrameNormal = 0,
    FrameHovered = 1,
    FramePressed = 2,
    FrameChecked = 3
};
enum ArrowFrame : int32_t { ArrowNormal = 0, ArrowDisabled = 1 };

// The look of an unstyled button's states.
void fillState(UIPainter& painter, const Rect& r, int32_t frame, int32_t radius) {
    switch (frame) {
    case FrameHovered:
        painter.fillRoundedRect(r, radius, 0x17FFFFFF);
        break;
    case FramePressed:
        painter.fillRoundedRect(r, radius, 0x40000000);
        break;
    case FrameChecked:
        painter.fillRoundedRect(r, radius, 0x403DA5F4);
        painter.drawRoundedRect(r, radius, theme::kAccent, 1);
        break;
    default:
        break;
    }
}

} // namespace

// The button's menu: it repaints the button as it opens and closes.
class UIToolButton::Menu : public UIMenu {
public:
    explicit Menu(UIToolButton& button) : button_(button) {}

protected:
    void onShown(bool shown) override {
        UIMenu::onShown(shown);
        button_.update();
    }

private:
    UIToolButton& button_;
};

UIToolButton::UIToolButton(WideString text, Image icon)
    : UIWidget(u"UIToolButton"), text_(std::move(text)), icon_(std::move(icon)) {
    // Reached with Tab, but a click leaves the focus where it was, as in
    // Windows tool bars.
    setFocusPolicy(FocusPolicy::Tab);
}

UIToolButton::~UIToolButton() = default;

UIToolBar* UIToolButton::toolBar() const {
    return dynamic_cast<UIToolBar*>(parent());
}

void UIToolButton::contentChanged() {
    updateGeometry();
    if (UIToolBar* bar = toolBar()) {
        bar->relayoutButtons();
    }
    update();
}

void UIToolButton::setText(WideString text) {
    text_ = std::move(text);
    contentChanged();
}

void UIToolButton::setIcon(Image icon) {
    icon_ = ScaledImage(std::move(icon));
    contentChanged();
}

void UIToolButton::setIcons(Image normal, Image hovered, Image disabled) {
    icon_ = ScaledImage(std::move(normal));
    hoveredIcon_ = ScaledImage(std::move(hovered));
    disabledIcon_ = ScaledImage(std::move(disabled));
    contentChanged();
}

void UIToolButton::setButtonStyle(ToolButtonStyle style) {
    style_ = style;
    contentChanged();
}

void UIToolButton::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    update();
    if (UIToolBar* bar = toolBar()) {
        if (checked) {
            bar->uncheckOthers(this);
        }
        bar->updateTabStops();
    }
    if (onToggled) {
        auto toggled = onToggled;
        toggled(checked);
    }
}

void UIToolButton::click() {
    if (!isEnabled()) {
        return;
    }
    if (checkable_) {
        UIToolBar* bar = toolBar();
        setChecked(bar && bar->isExclusive() ? true : !checked_);
    }
    if (onClicked) {
        // The handler may close the window that holds this button.
        auto clicked = onClicked;
        clicked();
    }
}

// --- Menu ---

UIMenu* UIToolButton::setMenu(ToolButtonMenuMode mode) {
    menuMode_ = mode;
    if (mode == ToolButtonMenuMode::None) {
        menu_.reset();
    } else if (!menu_) {
        menu_ = std::make_unique<Menu>(*this);
        // Left and Right in the open menu go on to the bar's neighbouring menus.
        menu_->onNavigateSideways = [this](int32_t direction) {
            if (UIToolBar* bar = toolBar()) {
                bar->openNeighbourMenu(this, direction);
            }
        };
    }
    contentChanged();
    return menu_.get();
}

UIMenu* UIToolButton::menu() const {
    return menu_.get();
}

bool UIToolButton::isMenuOpen() const {
    return menu_ && menu_->isOpen();
}

void UIToolButton::showMenu(bool fromKeyboard, const UIWidget* anchorWidget) {
    UIWindow* owner = window();
    if (!menu_ || !owner || !isEnabled() || isMenuOpen()) {
        return;
    }
    Rect anchor = (anchorWidget ? anchorWidget : this)->windowRect();
    if (owner->nativeWindow().exists()) {
        Point origin = owner->nativeWindow().clientToScreen(Point{anchor.x, anchor.y});
        anchor.x = origin.x;
        anchor.y = origin.y;
    }
    press_.reset();
    menu_->dropDown(anchor, owner, this);
    if (fromKeyboard) {
        // Highlights the first item, as a menu opened from the keyboard does.
        menu_->dispatchKey(true, KeyDown, 0);
    }
    update();
}

// --- Geometry ---

Size UIToolButton::arrowSize() const {
    Size size = skinFrameSize(arrow_, dpi());
    return size.width > 0 ? size : px(Size{8, 8});
}

Rect UIToolButton::arrowPartRect() const {
    if (menuMode_ != ToolButtonMenuMode::Split) {
        return Rect{};
    }
    const int32_t part = arrowSize().width + px(8);
    return Rect{width() - part, 0, part, height()};
}

Rect UIToolButton::mainPartRect() const {
    const Rect arrow = arrowPartRect();
    return arrow.isEmpty() ? rect() : Rect{0, 0, arrow.x, height()};
}

Size UIToolButton::contentSize() const {
    const bool hasIcon = !icon_.isEmpty();
    const bool hasText = !text_.empty();
    const bool showIcon = hasIcon && (style_ != ToolButtonStyle::TextOnly || !hasText);
    const bool showText = hasText && (style_ != ToolButtonStyle::IconOnly || !hasIcon);
    const Size icon = showIcon ? icon_.sizeAt(dpi()) : Size{};
    const Size text = showText ? measureText(text_, textStyle_.font, dpi(), TextMnemonic) : Size{};
    Size size;
    if (style_ == ToolButtonStyle::TextUnderIcon) {
        const int32_t gap = showIcon && showText ? px(2) : 0;
        size = Size{std::max(icon.width, text.width), icon.height + gap + text.height};
    } else {
        const int32_t gap = showIcon && showText ? px(6) : 0;
        size = Size{icon.width + gap + text.width, std::max(icon.height, text.height)};
    }
    if (menuOpensFromWhole()) {
        const Size arrow = arrowSize();
        size.width += px(4) + arrow.width;
        size.height = std::max(size.height, arrow.height);
    }
    return size;
}

Size UIToolButton::sizeHint() const {
    const Size content = contentSize();
    const Margins pad = px(padding_);
    const Size skin = skinFrameSize(background_, dpi());
    const int32_t split = menuMode_ == ToolButtonMenuMode::Split ? arrowSize().width + px(8) : 0;
    return Size{std::max(content.width + pad.horizontal(), skin.width) + split,
                std::max(content.height + pad.vertical(), skin.height)};
}

void UIToolButton::setBarPadding(const Margins& logical) {
    if (!ownPadding_ && !(logical == padding_)) {
        padding_ = logical;
        contentChanged();
    }
}

// --- Look ---

const Image& UIToolButton::currentIcon() const {
    if (!isEnabled() && !disabledIcon_.isEmpty()) {
        return disabledIcon_.at(dpi());
    }
    if ((isHovered() || press_.down() || isMenuOpen()) && !hoveredIcon_.isEmpty()) {
        return hoveredIcon_.at(dpi());
    }
    return icon_.at(dpi());
}

int32_t UIToolButton::mainFrame() const {
    if (!isEnabled()) {
        return checked_ ? FrameChecked : FrameNormal;
    }
    const bool overMain = isHovered() && !arrowHovered_;
    if ((press_.down() && (overMain || press_.byKey())) || (menuOpensFromWhole() && isMenuOpen())) {
        return FramePressed;
    }
    if (checked_) {
        return FrameChecked;
    }
    return isHovered() || isMenuOpen() ? FrameHovered : FrameNormal;
}

int32_t UIToolButton::arrowFrame() const {
    if (!isEnabled()) {
        return FrameNormal;
    }
    if (isMenuOpen()) {
        return FramePressed;
    }
    return isHovered() || press_.down() ? FrameHovered : FrameNormal;
}

void UIToolButton::paint(UIPainter& painter) {
    const int32_t radius = px(4);
    auto drawPart = [&](const Rect& part, int32_t frame) {
        if (frame == FrameNormal) {
            return;
        }
        if (background_) {
            drawSkin(painter, background_, frame, part);
        } else {
            fillState(painter, part, frame, radius);
        }
    };
    const Rect main = mainPartRect();
    drawPart(main, mainFrame());
    const Rect arrowPart = arrowPartRect();
    if (!arrowPart.isEmpty()) {
        drawPart(arrowPart, arrowFrame());
        const int32_t frame = isEnabled() ? ArrowNormal : ArrowDisabled;
        if (arrow_) {
            drawSkinAligned(painter, arrow_, frame, arrowPart);
        } else {
            painter.fillRect(alignedRect(arrowPart, px(Size{6, 2}), AlignCenter),
                             isEnabled() ? theme::kText : theme::kDisabledText);
        }
    }
    paintContent(painter, shrink(main, px(padding_)));
    if (showsFocus()) {
        drawFocusRing(painter, shrink(rect(), Margins{2, 2, 2, 2}), px(3));
    }
}

void UIToolButton::paintContent(UIPainter& painter, const Rect& area) {
    Rect content = area;
    if (menuOpensFromWhole()) {
        const Size arrow = arrowSize();
        const Rect arrowArea{content.right() - arrow.width, content.y, arrow.width, content.height};
        if (arrow_) {
            drawSkinAligned(painter, arrow_, isEnabled() ? ArrowNormal : ArrowDisabled, arrowArea);
        }
        content.width = std::max(0, content.width - arrow.width - px(4));
    }
    const Image& icon = currentIcon();
    const bool showIcon = !icon.isEmpty() && (style_ != ToolButtonStyle::TextOnly || text_.empty());
    const bool showText = !text_.empty() && (style_ != ToolButtonStyle::IconOnly || icon.isEmpty());
    const Size iconSize = showIcon ? Size{icon.width(), icon.height()} : Size{};
    const Size textSize =
        showText ? measureText(text_, textStyle_.font, dpi(), TextMnemonic) : Size{};
    const uint32_t flags = AlignHCenter | AlignVCenter | TextMnemonic | TextEllipsis;
    if (style_ == ToolButtonStyle::TextUnderIcon) {
        const int32_t gap = showIcon && showText ? px(2) : 0;
        const Rect block = alignedRect(
            content, Size{content.width, iconSize.height + gap + textSize.height}, AlignCenter);
        if (showIcon) {
            painter.drawImageAligned(icon, Rect{block.x, block.y, block.width, iconSize.height},
                                     AlignHCenter | AlignTop);
        }
        if (showText) {
            const Rect textRect{block.x, block.bottom() - textSize.height, block.width,
                                textSize.height};
            textStyle_.draw(painter, textRect, text_, flags, isEnabled());
        }
        return;
    }
    const int32_t gap = showIcon && showText ? px(6) : 0;
    const Rect row = alignedRect(
        content,
        Size{std::min(content.width, iconSize.width + gap + textSize.width), content.height},
        AlignCenter);
    if (showIcon) {
        painter.drawImageAligned(icon, Rect{row.x, row.y, iconSize.width, row.height},
                                 AlignLeft | AlignVCenter);
    }
    if (showText) {
        const int32_t x = row.x + iconSize.width + gap;
        textStyle_.draw(painter, Rect{x, row.y, std::max(0, row.right() - x), row.height}, text_,
                        flags, isEnabled());
    }
}

void UIToolButton::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
        ownPadding_ = true;
    } else {
        return;
    }
    contentChanged();
}

void UIToolButton::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIToolButton_Background") {
        background_ = &skin;
    } else if (name == u"UIToolButton_Arrow") {
        arrow_ = &skin;
    }
}

// --- Input ---

bool UIToolButton::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    if (menu_ &&
        (menuOpensFromWhole() || arrowPartRect().contains(event.position.x, event.position.y))) {
        // Once this press is over: the menu takes the mouse from the window,
        // which would otherwise take it back for the press.
        defer([this] { showMenu(false); });
        return true;
    }
    press_.pressMouse();
    update();
    return true;
}

bool UIToolButton::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    if (!press_.releaseMouse()) {
        return true;
    }
    update();
    if (mainPartRect().contains(event.position.x, event.position.y)) {
        click();
    }
    return true;
}

bool UIToolButton::onMouseMove(const MouseEvent& event) {
    const bool overArrow = arrowPartRect().contains(event.position.x, event.position.y);
    if (overArrow != arrowHovered_ || press_.down()) {
        arrowHovered_ = overArrow;
        update();
    }
    return press_.down();
}

void UIToolButton::onMouseLeave() {
    arrowHovered_ = false;
    update();
}

bool UIToolButton::onKeyPress(const KeyEvent& event) {
    const bool plain = event.modifiers == 0;
    if (menu_) {
        const UIToolBar* bar = toolBar();
        const bool downOpens = !bar || bar->orientation() == Direction::Horizontal;
        if ((event.modifiers == ModifierAlt && (event.key == KeyDown || event.key == KeyUp)) ||
            (plain && (event.key == KeyF4 || (event.key == KeyDown && downOpens)))) {
            showMenu(true);
            return true;
        }
    }
    if (plain && event.key == KeySpace) {
        if (event.autoRepeat) {
            return true;
        }
        if (menuOpensFromWhole()) {
            showMenu(true);
        } else {
            press_.pressKey();
            update();
        }
        return true;
    }
    if (plain && event.key == KeyReturn) {
        if (menuOpensFromWhole()) {
            showMenu(true);
        } else {
            click();
        }
        return true;
    }
    return false;
}

bool UIToolButton::onKeyRelease(const KeyEvent& event) {
    if (event.key != KeySpace || !press_.releaseKey()) {
        return false;
    }
    update();
    click();
    return true;
}

void UIToolButton::onCaptureLost() {
    if (press_.loseCapture()) {
        update();
    }
}

void UIToolButton::onFocusIn() {
    if (UIToolBar* bar = toolBar()) {
        bar->buttonFocused(this);
    }
    UIWidget::onFocusIn();
}

void UIToolButton::onFocusOut() {
    press_.loseFocus();
    UIWidget::onFocusOut();
}

void UIToolButton::onStateChanged() {
    // A button shown, hidden, enabled or disabled changes what the bar holds
    // and which button is its Tab stop.
    if (UIToolBar* bar = toolBar()) {
        bar->relayoutButtons();
    }
    update();
}

} // namespace fw
