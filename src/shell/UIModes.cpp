#include "shell/UIModes.h"

#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

UIModes::UIModes() : UIWidget(u"UIModes") {
    setFocusPolicy(FocusPolicy::Strong);
    setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
}

void UIModes::addEntry(int32_t mode, Image picture, WideString label, WideString toolTip) {
    entries_.push_back(
        Entry{mode, ScaledImage(std::move(picture)), std::move(label), std::move(toolTip)});
    updateGeometry();
    update();
}

void UIModes::setEntryTexts(int32_t mode, WideString label, WideString toolTip) {
    const int32_t index = indexOf(mode);
    if (index < 0) {
        return;
    }
    entries_[static_cast<size_t>(index)].label = std::move(label);
    entries_[static_cast<size_t>(index)].toolTip = std::move(toolTip);
    updateGeometry();
    update();
}

int32_t UIModes::currentMode() const {
    return chosen_ >= 0 ? entries_[static_cast<size_t>(chosen_)].mode : 0;
}

void UIModes::setCurrentMode(int32_t mode) {
    const int32_t index = indexOf(mode);
    if (index != chosen_) {
        chosen_ = index;
        update();
    }
}

int32_t UIModes::indexOf(int32_t mode) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].mode == mode) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

Size UIModes::entrySize() const {
    int32_t width = 0;
    int32_t picture = 0;
    for (const Entry& entry : entries_) {
        const Size size = entry.picture.sizeAt(dpi());
        width =
            std::max({width, size.width, measureText(entry.label, textStyle_.font, dpi()).width});
        picture = std::max(picture, size.height);
    }
    const Margins pad = px(padding_);
    const int32_t text = fontMetrics(textStyle_.font, dpi()).height;
    // Every entry as wide as the widest, so that the bar reads as one control.
    return Size{width + pad.horizontal(),
                pad.top + picture + px(pictureAndTextSpacing_) + text + pad.bottom};
}

Size UIModes::sizeHint() const {
    const Size entry = entrySize();
    return Size{entry.width * count(), entry.height};
}

Size UIModes::minimumSizeHint() const {
    return sizeHint();
}

Rect UIModes::entryRect(int32_t index) const {
    if (index < 0 || index >= count()) {
        return Rect{};
    }
    const Size entry = entrySize();
    return Rect{index * entry.width, 0, entry.width, height()};
}

int32_t UIModes::entryAt(Point local) const {
    for (int32_t i = 0; i < count(); ++i) {
        if (entryRect(i).contains(local.x, local.y)) {
            return i;
        }
    }
    return -1;
}

void UIModes::paint(UIPainter& painter) {
    const Margins pad = px(padding_);
    const int32_t radius = px(4);
    for (int32_t i = 0; i < count(); ++i) {
        const Entry& entry = entries_[static_cast<size_t>(i)];
        const Rect cell = shrink(entryRect(i), Margins{1, 1, 1, 1});
        const bool enabled = isEnabled();
        if (i == chosen_) {
            painter.fillRoundedRect(cell, radius, chosenBackground_.color);
            // The chosen mode is marked by the accent, not by colour of the picture alone.
            painter.fillRect(
                Rect{cell.x + radius, cell.bottom() - px(3), cell.width - 2 * radius, px(3)},
                enabled ? accent_ : theme::kBorder);
        } else if (enabled && (i == hovered_ || i == pressed_)) {
            painter.fillRoundedRect(cell, radius, hoveredBackground_.color);
        }
        const Rect inner = shrink(entryRect(i), pad);
        const Image& picture = entry.picture.at(dpi());
        const int32_t pictureHeight = entry.picture.sizeAt(dpi()).height;
        const int32_t down = i == pressed_ && i == hovered_ ? px(1) : 0;
        painter.drawImageAligned(picture, Rect{inner.x, inner.y + down, inner.width, pictureHeight},
                                 AlignCenter);
        const int32_t textTop = inner.y + pictureHeight + px(pictureAndTextSpacing_);
        textStyle_.draw(painter,
                        Rect{entryRect(i).x + px(2), textTop + down, entryRect(i).width - px(4),
                             std::max(0, inner.bottom() - textTop)},
                        entry.label, AlignHCenter | AlignTop | TextEllipsis, enabled);
    }
    if (showsFocus() && chosen_ >= 0) {
        drawFocusRing(painter, shrink(entryRect(chosen_), Margins{2, 2, 2, 2}), px(4));
    }
}

void UIModes::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
        updateGeometry();
        update();
    }
}

WideString UIModes::toolTipAt(Point local, Rect& area) const {
    const int32_t index = entryAt(local);
    if (index < 0) {
        return WideString();
    }
    area = entryRect(index);
    return entries_[static_cast<size_t>(index)].toolTip;
}

void UIModes::choose(int32_t index) {
    if (index < 0 || index >= count()) {
        return;
    }
    chosen_ = index;
    update();
    if (onModeChosen) {
        auto chosen = onModeChosen;
        chosen(entries_[static_cast<size_t>(index)].mode);
    }
}

void UIModes::capture() {
    if (chosen_ >= 0 && onCaptureRequested) {
        auto requested = onCaptureRequested;
        requested(entries_[static_cast<size_t>(chosen_)].mode);
    }
}

bool UIModes::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return false;
    }
    pressed_ = entryAt(event.position);
    update();
    return pressed_ >= 0;
}

bool UIModes::onMouseRelease(const MouseEvent& event) {
    if (event.button != MouseLeft || pressed_ < 0) {
        return false;
    }
    const int32_t pressed = pressed_;
    pressed_ = -1;
    update();
    if (entryAt(event.position) != pressed) {
        return true;
    }
    if (pressed == chosen_) {
        capture();
    } else {
        choose(pressed);
    }
    return true;
}

bool UIModes::onMouseMove(const MouseEvent& event) {
    const int32_t over = entryAt(event.position);
    if (over != hovered_) {
        hovered_ = over;
        update();
    }
    return pressed_ >= 0;
}

void UIModes::onMouseLeave() {
    hovered_ = -1;
    update();
}

bool UIModes::onKeyPress(const KeyEvent& event) {
    if (event.modifiers != 0) {
        return false;
    }
    switch (event.key) {
    case KeyLeft:
        choose(std::max(0, chosen_ - 1));
        return true;
    case KeyRight:
        choose(std::min(count() - 1, chosen_ + 1));
        return true;
    case KeySpace:
    case KeyReturn:
        capture();
        return true;
    default:
        return false;
    }
}

void UIModes::onCaptureLost() {
    pressed_ = -1;
    update();
}

} // namespace fw
