#include "ui/UIToolBar.h"

#include "ui/UIMenu.h"
#include "ui/UIPainter.h"
#include "ui/UIWindow.h"

#include <algorithm>
#include <numeric>

namespace fw {

namespace {

enum IndicatorFrame : int32_t { IndicatorNormal = 0, IndicatorDisabled = 1 };

} // namespace

// The indicator at the bar's end whose menu holds the buttons that did not fit.
class UIToolBar::OverflowButton : public UIToolButton {
public:
    explicit OverflowButton(UIToolBar& bar) : bar_(bar) {
        UIMenu* list = setMenu(ToolButtonMenuMode::Whole);
        list->onAboutToShow = [this](UIMenu& menu) { bar_.fillOverflowMenu(menu); };
        list->onTriggered = [this](int32_t index) { bar_.overflowChosen(index); };
    }
    void setIndicator(const Skin* indicator) {
        indicator_ = indicator;
        updateGeometry();
    }

protected:
    Size contentSize() const override {
        Size size = skinFrameSize(indicator_, dpi());
        return size.width > 0 ? size : px(Size{8, 8});
    }
    void paintContent(UIPainter& painter, const Rect& content) override {
        const int32_t frame = isEnabled() ? IndicatorNormal : IndicatorDisabled;
        if (indicator_) {
            drawSkinAligned(painter, indicator_, frame, content);
            return;
        }
        // Unstyled: two small chevrons pointing on along the bar.
        const Color color = isEnabled() ? theme::kText : theme::kDisabledText;
        const int32_t s = px(3);
        const int32_t cx = content.x + content.width / 2;
        const int32_t cy = content.y + content.height / 2;
        for (int32_t shift : {-s, s}) {
            const int32_t x = cx + shift - s / 2;
            painter.drawLine(Point{x - s / 2, cy - s}, Point{x + s / 2, cy}, color, 1);
            painter.drawLine(Point{x + s / 2, cy}, Point{x - s / 2, cy + s}, color, 1);
        }
    }

private:
    UIToolBar& bar_;
    const Skin* indicator_ = nullptr;
};

UIToolBar::UIToolBar(Direction orientation)
    : UIWidget(u"UIToolBar"), orientation_(orientation),
      background_(Paint::solid(kTransparentColor)) {
    overflow_ = static_cast<OverflowButton*>(addChild(std::make_unique<OverflowButton>(*this)));
    overflow_->setBarPadding(buttonPadding_);
    overflow_->setVisible(false);
    setOrientation(orientation);
}

UIToolBar::~UIToolBar() = default;

void UIToolBar::setOrientation(Direction orientation) {
    orientation_ = orientation;
    if (horizontal()) {
        setSizePolicy(SizePolicy::Expanding, SizePolicy::Fixed);
    } else {
        setSizePolicy(SizePolicy::Fixed, SizePolicy::Expanding);
    }
    relayoutButtons();
}

UIToolButton* UIToolBar::addButton(WideString text, Image icon) {
    return addButton(std::make_unique<UIToolButton>(std::move(text), std::move(icon)));
}

UIToolButton* UIToolBar::addButton(std::unique_ptr<UIToolButton> button) {
    button->setBarPadding(buttonPadding_);
    button->setButtonStyle(buttonStyle_);
    auto* added = static_cast<UIToolButton*>(addChild(std::move(button)));
    entries_.push_back(added);
    relayoutButtons();
    return added;
}

void UIToolBar::addSeparator() {
    entries_.push_back(nullptr);
    updateGeometry();
    relayoutButtons();
}

std::vector<UIToolButton*> UIToolBar::buttons() const {
    std::vector<UIToolButton*> list;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(list),
                 [](UIToolButton* b) { return b != nullptr; });
    return list;
}

void UIToolBar::setButtonStyle(ToolButtonStyle style) {
    buttonStyle_ = style;
    for (UIToolButton* button : buttons()) {
        button->setButtonStyle(style);
    }
}

UIToolButton* UIToolBar::overflowButton() const {
    return overflow_;
}

// --- Layout ---

std::vector<int32_t> UIToolBar::entryLengths() const {
    std::vector<int32_t> lengths;
    for (UIToolButton* button : entries_) {
        if (!button) {
            lengths.push_back(px(intervalThickness_));
        } else if (!button->isVisibleFlag()) {
            lengths.push_back(-1);
        } else {
            Size hint = button->effectiveSizeHint();
            lengths.push_back(horizontal() ? hint.width : hint.height);
        }
    }
    return lengths;
}

Size UIToolBar::sizeHint() const {
    const Margins pad = px(padding_);
    const std::vector<int32_t> lengths = entryLengths();
    int32_t along = 0;
    int32_t count = 0;
    for (int32_t length : lengths) {
        if (length >= 0) {
            along += length;
            ++count;
        }
    }
    along += std::max(0, count - 1) * px(buttonSpacing_);
    int32_t across = 0;
    for (UIToolButton* button : buttons()) {
        if (button->isVisibleFlag()) {
            const Size hint = button->effectiveSizeHint();
            across = std::max(across, horizontal() ? hint.height : hint.width);
        }
    }
    return horizontal() ? Size{along + pad.horizontal(), across + pad.vertical()}
                        : Size{across + pad.horizontal(), along + pad.vertical()};
}

Size UIToolBar::minimumSizeHint() const {
    const Size hint = sizeHint();
    const Size indicator = overflow_->sizeHint();
    const Margins pad = px(padding_);
    return horizontal()
               ? Size{std::min(hint.width, indicator.width + pad.horizontal()), hint.height}
               : Size{hint.width, std::min(hint.height, indicator.height + pad.vertical())};
}

void UIToolBar::onResize() {
    relayoutButtons();
}

void UIToolBar::relayoutButtons() {
    if (arranging_) {
        return;
    }
    arranging_ = true;
    separators_.clear();
    overflowed_.clear();
    const Rect inner = shrink(rect(), px(padding_));
    const int32_t spacing = px(buttonSpacing_);
    const int32_t available = horizontal() ? inner.width : inner.height;
    auto slot = [&](int32_t start, int32_t length) {
        return horizontal() ? Rect{inner.x + start, inner.y, length, inner.height}
                            : Rect{inner.x, inner.y + start, inner.width, length};
    };
    const std::vector<int32_t> lengths = entryLengths();
    int32_t total = -spacing;
    for (int32_t length : lengths) {
        total += length >= 0 ? length + spacing : 0;
    }
    const bool overflowing = total > available && !lengths.empty();
    int32_t limit = available;
    overflow_->setVisible(overflowing);
    if (overflowing) {
        const Size hint = overflow_->sizeHint();
        const int32_t length = horizontal() ? hint.width : hint.height;
        limit = std::max(0, available - length - spacing);
        overflow_->setGeometry(slot(available - length, length));
    }
    int32_t end = 0;
    bool placedAny = false;
    bool full = false;
    bool lastWasSeparator = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        UIToolButton* button = entries_[i];
        if (lengths[i] < 0) {
            continue;
        }
        const int32_t start = placedAny ? end + spacing : 0;
        full = full || start + lengths[i] > limit;
        if (!full) {
            const Rect r = slot(start, lengths[i]);
            if (button) {
                button->setGeometry(r);
            } else {
                separators_.push_back(r);
            }
            end = start + lengths[i];
            placedAny = true;
            lastWasSeparator = button == nullptr;
        } else if (button) {
            // Still the bar's button, reached through the indicator's menu.
            button->setGeometry(Rect{});
            overflowed_.push_back(button);
        }
    }
    if (lastWasSeparator && !separators_.empty()) {
        // A separator with nothing after it separates nothing.
        separators_.pop_back();
    }
    arranging_ = false;
    updateTabStops();
    update();
}

// --- Look ---

void UIToolBar::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
    drawSkin(painter, skin_, 0, rect());
    const int32_t thickness = std::max(1, px(1));
    const int32_t inset = px(3);
    for (const Rect& slot : separators_) {
        const Rect line = horizontal()
                              ? Rect{slot.x + (slot.width - thickness) / 2, slot.y + inset,
                                     thickness, slot.height - 2 * inset}
                              : Rect{slot.x + inset, slot.y + (slot.height - thickness) / 2,
                                     slot.width - 2 * inset, thickness};
        painter.fillRect(line, theme::kBorder);
    }
}

void UIToolBar::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
    } else if (name == u"buttonPadding") {
        buttonPadding_ = parseStyleRectangle(value);
        for (UIToolButton* button : buttons()) {
            button->setBarPadding(buttonPadding_);
        }
        overflow_->setBarPadding(buttonPadding_);
    } else if (name == u"buttonSpacing") {
        buttonSpacing_ = parseStyleInteger(value);
    } else if (name == u"intervalThickness") {
        intervalThickness_ = parseStyleInteger(value);
    } else {
        return;
    }
    updateGeometry();
    relayoutButtons();
}

void UIToolBar::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIToolBar_Background") {
        skin_ = &skin;
    } else if (name == u"UIToolBar_MenuIndicator") {
        overflow_->setIndicator(&skin);
    }
}

// --- Buttons and focus ---

std::vector<UIToolButton*> UIToolBar::reachable() const {
    std::vector<UIToolButton*> list;
    for (UIToolButton* button : entries_) {
        if (button && button->isVisibleFlag() && button->isEnabledFlag() &&
            !button->geometry().isEmpty()) {
            list.push_back(button);
        }
    }
    if (overflow_->isVisibleFlag() && !overflow_->geometry().isEmpty()) {
        list.push_back(overflow_);
    }
    return list;
}

void UIToolBar::updateTabStops() {
    if (arranging_) {
        return;
    }
    const std::vector<UIToolButton*> list = reachable();
    auto contains = [&list](const UIToolButton* b) {
        return std::find(list.begin(), list.end(), b) != list.end();
    };
    const UIWindow* w = window();
    UIToolButton* stop = nullptr;
    for (UIToolButton* button : list) {
        if (w && w->focusWidget() == button) {
            stop = button;
        }
    }
    if (!stop && exclusive_) {
        // Like a group of radio buttons, Tab comes back to the checked one.
        for (UIToolButton* button : list) {
            if (button->isChecked()) {
                stop = button;
            }
        }
    }
    if (!stop && contains(tabStop_)) {
        stop = tabStop_;
    }
    if (!stop && !list.empty()) {
        stop = list.front();
    }
    for (UIToolButton* button : buttons()) {
        button->setFocusPolicy(button == stop ? FocusPolicy::Tab : FocusPolicy::None);
    }
    overflow_->setFocusPolicy(overflow_ == stop ? FocusPolicy::Tab : FocusPolicy::None);
}

void UIToolBar::buttonFocused(UIToolButton* button) {
    tabStop_ = button;
    updateTabStops();
}

bool UIToolBar::onKeyPress(const KeyEvent& event) {
    if (event.modifiers != 0) {
        return false;
    }
    const uint32_t back = horizontal() ? KeyLeft : KeyUp;
    const uint32_t next = horizontal() ? KeyRight : KeyDown;
    if (event.key != back && event.key != next && event.key != KeyHome && event.key != KeyEnd) {
        return false;
    }
    const std::vector<UIToolButton*> list = reachable();
    if (list.empty()) {
        return false;
    }
    const UIWindow* w = window();
    const auto at = std::find(list.begin(), list.end(), w ? w->focusWidget() : nullptr);
    const int32_t n = static_cast<int32_t>(list.size());
    const int32_t current = at == list.end() ? 0 : static_cast<int32_t>(at - list.begin());
    int32_t target = 0;
    if (event.key == KeyHome) {
        target = 0;
    } else if (event.key == KeyEnd) {
        target = n - 1;
    } else {
        target = (current + (event.key == next ? 1 : -1) + n) % n;
    }
    list[static_cast<size_t>(target)]->setFocus();
    return true;
}

void UIToolBar::uncheckOthers(UIToolButton* checked) {
    if (!exclusive_) {
        return;
    }
    for (UIToolButton* button : buttons()) {
        if (button != checked && button->isCheckable()) {
            button->setChecked(false);
        }
    }
}

void UIToolBar::openNeighbourMenu(UIToolButton* from, int32_t direction) {
    const std::vector<UIToolButton*> list = reachable();
    const auto at = std::find(list.begin(), list.end(), from);
    if (at == list.end() || direction == 0) {
        return;
    }
    const int32_t n = static_cast<int32_t>(list.size());
    const int32_t index = static_cast<int32_t>(at - list.begin());
    for (int32_t step = 1; step < n; ++step) {
        UIToolButton* target = list[static_cast<size_t>(((index + step * direction) % n + n) % n)];
        if (target->menu()) {
            from->menu()->closeAll();
            target->setFocus();
            target->showMenu(true);
            return;
        }
    }
}

// --- Overflow ---

void UIToolBar::fillOverflowMenu(UIMenu& menu) {
    menu.clear();
    for (size_t i = 0; i < overflowed_.size(); ++i) {
        const UIToolButton* button = overflowed_[i];
        const WideString& label = button->text().empty() ? button->toolTip() : button->text();
        UIMenuItem& item = menu.addItem(static_cast<int32_t>(i), label, button->icon().source());
        item.enabled = button->isEnabledFlag();
        item.checkable = button->isCheckable();
        item.checked = button->isChecked();
    }
}

void UIToolBar::overflowChosen(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= overflowed_.size()) {
        return;
    }
    UIToolButton* button = overflowed_[static_cast<size_t>(index)];
    if (button->menuMode() == ToolButtonMenuMode::Whole) {
        button->showMenu(true, overflow_);
    } else {
        button->click();
    }
}

} // namespace fw
