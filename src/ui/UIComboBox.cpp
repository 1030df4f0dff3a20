#include "ui/UIComboBox.h"

#include "i18n/Translation.h"
#include "resources/StyleResources.h"
#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/UIComboBoxPopup.h"
#include "ui/UIPainter.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kTypeAheadTimer = 1;

enum BoxFrame : int32_t { FrameNormal = 0, FrameHovered = 1, FramePressed = 2, FrameDisabled = 3 };
enum ArrowFrame : int32_t { ArrowNormal = 0, ArrowDisabled = 1 };

constexpr uint32_t kTextProperties =
    TextPropertyFont | TextPropertyForeground | TextPropertyDisabled;

bool beginsWithIgnoringCase(WideStringView text, WideStringView prefix) {
    if (prefix.size() > text.size()) {
        return false;
    }
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (toLowerChar(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

// The drop-down mark of an unstyled box: a small chevron pointing down.
void drawChevron(UIPainter& painter, const Rect& area, Color color) {
    const int32_t half = std::max(2, area.width / 3);
    const int32_t cx = area.x + area.width / 2;
    const int32_t cy = area.y + area.height / 2 + half / 2;
    painter.drawLine(Point{cx - half, cy - half}, Point{cx, cy}, color, 1);
    painter.drawLine(Point{cx, cy}, Point{cx + half, cy - half}, color, 1);
}

} // namespace

UIComboBox::UIComboBox() : UIWidget(u"UIComboBox") {
    setFocusPolicy(FocusPolicy::Strong);
}

UIComboBox::~UIComboBox() = default;

// --- Items ---

void UIComboBox::addItem(WideString text, WideString data) {
    insertItem(count(), std::move(text), std::move(data));
}

void UIComboBox::insertItem(int32_t index, WideString text, WideString data) {
    hidePopup();
    index = std::clamp(index, 0, count());
    items_.insert(items_.begin() + index, UIComboBoxItem{std::move(text), std::move(data)});
    sourceTexts_.insert(sourceTexts_.begin() + index, WideString());
    updateGeometry();
    if (current_ < 0) {
        setCurrentIndex(0);
    } else if (index <= current_) {
        // The same item stays current.
        ++current_;
    }
    update();
}

void UIComboBox::removeItem(int32_t index) {
    if (index < 0 || index >= count()) {
        return;
    }
    hidePopup();
    items_.erase(items_.begin() + index);
    sourceTexts_.erase(sourceTexts_.begin() + index);
    updateGeometry();
    update();
    if (index < current_) {
        --current_;
    } else if (index == current_) {
        // The next item takes the removed one's place, or the new last one.
        const int32_t replacement = std::min(current_, count() - 1);
        current_ = -2;
        setCurrentIndex(replacement);
    }
}

void UIComboBox::clear() {
    hidePopup();
    items_.clear();
    sourceTexts_.clear();
    translationGroup_.clear();
    updateGeometry();
    setCurrentIndex(-1);
}

WideString UIComboBox::itemText(int32_t index) const {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)].text : WideString();
}

WideString UIComboBox::itemData(int32_t index) const {
    return index >= 0 && index < count() ? items_[static_cast<size_t>(index)].data : WideString();
}

void UIComboBox::setItemText(int32_t index, WideString text) {
    if (index < 0 || index >= count()) {
        return;
    }
    items_[static_cast<size_t>(index)].text = std::move(text);
    sourceTexts_[static_cast<size_t>(index)].clear();
    updateGeometry();
    update();
}

int32_t UIComboBox::findData(WideStringView data) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].data == data) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t UIComboBox::findText(WideStringView text) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].text == text) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

bool UIComboBox::setModel(WideStringView name, WideStringView translationGroup) {
    hidePopup();
    const StyleResources* style = currentStyleResources();
    const XmlElement* model = style ? style->findModel(name) : nullptr;
    items_.clear();
    sourceTexts_.clear();
    translationGroup_ = WideString(translationGroup);
    if (model) {
        for (const auto& child : model->children()) {
            WideString shown = child->attribute(u"name");
            WideString source;
            if (!translationGroup.empty()) {
                source = shown;
                shown = translate(source, translationGroup);
            }
            items_.push_back(UIComboBoxItem{std::move(shown), child->attribute(u"data")});
            sourceTexts_.push_back(std::move(source));
        }
    }
    updateGeometry();
    update();
    // New items: the first is current, and that is a change even at the same index.
    const int32_t previous = current_;
    current_ = -2;
    if (items_.empty() && previous == -1) {
        current_ = -1;
    } else {
        setCurrentIndex(items_.empty() ? -1 : 0);
    }
    return model != nullptr;
}

void UIComboBox::retranslate() {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!sourceTexts_[i].empty()) {
            items_[i].text = translate(sourceTexts_[i], translationGroup_);
        }
    }
    updateGeometry();
    update();
}

// --- Current item ---

void UIComboBox::setCurrentIndex(int32_t index) {
    if (index < -1 || index >= count()) {
        index = -1;
    }
    if (index == current_) {
        return;
    }
    current_ = index;
    update();
    if (onChanged) {
        // The handler may close the window that holds this box.
        auto changed = onChanged;
        changed(index);
    }
}

bool UIComboBox::setCurrentData(WideStringView data) {
    const int32_t index = findData(data);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return true;
}

void UIComboBox::setCurrentFromUser(int32_t index) {
    if (items_.empty()) {
        return;
    }
    setCurrentIndex(std::clamp(index, 0, count() - 1));
}

int32_t UIComboBox::pageStep() const {
    return kComboBoxVisibleItems - 1;
}

int32_t UIComboBox::typeAhead(char16_t character, int32_t from) {
    if (items_.empty() || (character == u' ' && typed_.empty())) {
        return -1;
    }
    typed_.push_back(toLowerChar(character));
    StopTimer(this, kTypeAheadTimer);
    StartTimer(this, kTypeAheadTimer, kComboBoxTypeAheadMs);
    const bool oneLetterRepeated =
        std::all_of(typed_.begin(), typed_.end(), [this](char16_t c) { return c == typed_[0]; });
    // A new prefix or a repeated letter looks past the current item; a longer
    // prefix may still match the current one.
    const WideStringView prefix =
        oneLetterRepeated ? WideStringView(typed_).substr(0, 1) : WideStringView(typed_);
    const int32_t start = oneLetterRepeated ? from + 1 : std::max(from, 0);
    const int32_t n = count();
    for (int32_t k = 0; k < n; ++k) {
        const int32_t i = ((start + k) % n + n) % n;
        if (beginsWithIgnoringCase(items_[static_cast<size_t>(i)].text, prefix)) {
            return i;
        }
    }
    return -1;
}

void UIComboBox::OnTimer(int32_t identifier) {
    if (identifier == kTypeAheadTimer) {
        StopTimer(this, kTypeAheadTimer);
        typed_.clear();
    }
}

// --- The pop-up list ---

void UIComboBox::showPopup() {
    UIWindow* owner = window();
    if (isPopupOpen() || items_.empty() || !isEnabled() || !owner) {
        return;
    }
    if (!popup_) {
        popup_ = std::make_unique<UIComboBoxPopup>(*this);
    }
    Rect anchor = windowRect();
    if (owner->nativeWindow().exists()) {
        Point origin = owner->nativeWindow().clientToScreen(Point{anchor.x, anchor.y});
        anchor.x = origin.x;
        anchor.y = origin.y;
    }
    typed_.clear();
    popup_->open(anchor);
    update();
}

void UIComboBox::hidePopup() {
    if (isPopupOpen()) {
        popup_->finish(false);
    }
}

bool UIComboBox::isPopupOpen() const {
    return popup_ && popup_->isOpen();
}

// --- Look ---

Size UIComboBox::arrowSize() const {
    Size size = skinFrameSize(arrow_, dpi());
    return size.width > 0 ? size : px(Size{10, 10});
}

Rect UIComboBox::textRect() const {
    Rect content = shrink(rect(), px(padding_));
    const int32_t right = content.right() - arrowSize().width - px(spacing_);
    return Rect{content.x, content.y, std::max(0, right - content.x), content.height};
}

Rect UIComboBox::arrowRect() const {
    Rect content = shrink(rect(), px(padding_));
    Size arrow = arrowSize();
    return Rect{content.right() - arrow.width, (height() - arrow.height) / 2, arrow.width,
                arrow.height};
}

int32_t UIComboBox::widestItem() const {
    int32_t widest = 0;
    for (const auto& item : items_) {
        widest = std::max(widest, measureText(item.text, textStyle_.font, dpi()).width);
    }
    return widest;
}

Size UIComboBox::sizeHint() const {
    const Margins pad = px(padding_);
    const Size arrow = arrowSize();
    const Size skin = skinFrameSize(background_, dpi());
    const int32_t fontHeight = fontMetrics(textStyle_.font, dpi()).height;
    int32_t width = pad.horizontal() + widestItem() + px(spacing_) + arrow.width;
    width = std::max({width, px(minimumWidth_), skin.width});
    if (maximumWidth_ > 0) {
        width = std::min(width, px(maximumWidth_));
    }
    const int32_t height = std::max({fontHeight + pad.vertical(), arrow.height + pad.vertical(),
                                     skin.height, px(minimumHeight_)});
    return Size{width, height};
}

Size UIComboBox::minimumSizeHint() const {
    Size hint = sizeHint();
    const int32_t least = px(padding_).horizontal() + px(spacing_) + arrowSize().width + px(16);
    return Size{std::min(hint.width, std::max(least, px(minimumWidth_))), hint.height};
}

void UIComboBox::paint(UIPainter& painter) {
    const bool enabled = isEnabled();
    const int32_t frame = !enabled                              ? FrameDisabled
                          : isPopupOpen() || isPressedByMouse() ? FramePressed
                          : isHovered()                         ? FrameHovered
                                                                : FrameNormal;
    if (background_) {
        drawSkin(painter, background_, frame, rect());
    } else {
        const Color fill = frame == FrameHovered   ? rgb(71, 71, 71)
                           : frame == FramePressed ? rgb(48, 48, 48)
                                                   : theme::kRaised;
        painter.fillRoundedRect(rect(), px(4), fill);
        painter.drawRoundedRect(rect(), px(4),
                                frame == FramePressed ? theme::kAccent : theme::kBorder, 1);
    }
    if (current_ >= 0) {
        textStyle_.draw(painter, textRect(), items_[static_cast<size_t>(current_)].text,
                        AlignLeft | AlignVCenter | TextEllipsis, enabled);
    }
    if (arrow_) {
        drawSkinAligned(painter, arrow_, enabled ? ArrowNormal : ArrowDisabled, arrowRect());
    } else {
        drawChevron(painter, arrowRect(), enabled ? theme::kText : theme::kDisabledText);
    }
    if (showsFocus()) {
        drawFocusRing(painter, shrink(rect(), Margins{2, 2, 2, 2}), px(3));
    }
}

void UIComboBox::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value, kTextProperties)) {
    } else if (name == u"minimumHeight") {
        minimumHeight_ = parseStyleInteger(value);
    } else if (name == u"minimumWidth") {
        minimumWidth_ = parseStyleInteger(value);
    } else if (name == u"maximumWidth") {
        maximumWidth_ = parseStyleInteger(value);
    } else if (name == u"spacing") {
        spacing_ = parseStyleInteger(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
    } else if (name == u"popupPadding") {
        popupPadding_ = parseStyleRectangle(value);
    } else if (name == u"popupBackground") {
        popupBackground_ = parseStyleBackground(value);
    } else {
        return;
    }
    updateGeometry();
    update();
}

void UIComboBox::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIComboBox_Background") {
        background_ = &skin;
    } else if (name == u"UIComboBox_Arrow") {
        arrow_ = &skin;
    }
}

// --- Input ---

bool UIComboBox::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    if (isPopupOpen()) {
        hidePopup();
    } else {
        // Once this press is over: the list takes the mouse from the window,
        // which would otherwise take it back for the press.
        defer([this] { showPopup(); });
    }
    update();
    return true;
}

bool UIComboBox::onMouseRelease(const MouseEvent& event) {
    update();
    return event.button == MouseLeft;
}

bool UIComboBox::onWheel(const WheelEvent& event) {
    // Only with focus, so that scrolling a page past the box never changes it.
    if (!event.vertical || !hasFocus() || items_.empty()) {
        return false;
    }
    wheelRest_ += event.delta;
    const int32_t notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    if (notches != 0) {
        setCurrentFromUser(std::max(current_, 0) - notches);
    }
    return true;
}

bool UIComboBox::onKeyPress(const KeyEvent& event) {
    const bool alt = event.modifiers == ModifierAlt;
    const bool plain = event.modifiers == 0;
    if ((alt && (event.key == KeyDown || event.key == KeyUp)) ||
        (plain && (event.key == KeyF4 || event.key == KeySpace))) {
        if (!event.autoRepeat) {
            showPopup();
        }
        return true;
    }
    if (!plain) {
        return false;
    }
    switch (event.key) {
    case KeyUp:
    case KeyLeft:
        setCurrentFromUser(current_ - 1);
        return true;
    case KeyDown:
    case KeyRight:
        setCurrentFromUser(current_ + 1);
        return true;
    case KeyHome:
        setCurrentFromUser(0);
        return true;
    case KeyEnd:
        setCurrentFromUser(count() - 1);
        return true;
    case KeyPageUp:
        setCurrentFromUser(current_ - pageStep());
        return true;
    case KeyPageDown:
        setCurrentFromUser(std::max(current_, 0) + pageStep());
        return true;
    default:
        return false;
    }
}

bool UIComboBox::onChar(const CharEvent& event) {
    // Ctrl or Alt alone make shortcuts; both together are AltGr, which types.
    const uint32_t chord = event.modifiers & (ModifierControl | ModifierAlt);
    if (event.character < 0x20 || chord == ModifierControl || chord == ModifierAlt) {
        return false;
    }
    const int32_t found = typeAhead(event.character, current_);
    if (found >= 0) {
        setCurrentIndex(found);
    }
    return true;
}

void UIComboBox::onFocusOut() {
    hidePopup();
    UIWidget::onFocusOut();
}

void UIComboBox::onStateChanged() {
    if (!isVisible() || !isEnabled()) {
        hidePopup();
    }
    update();
}

} // namespace fw
