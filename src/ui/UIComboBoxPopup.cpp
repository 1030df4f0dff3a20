#include "ui/UIComboBoxPopup.h"

#include "capture/Screen.h"
#include "ui/TextLayout.h"
#include "ui/UIComboBox.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kAutoScrollTimer = 1;
constexpr int32_t kAutoScrollMs = 60;
constexpr int32_t kRowsPerNotch = 3;
// The current item's faint mark while the highlight is elsewhere.
constexpr Color kCurrentMark = 0x1AFFFFFF;

Rect desktopAround(Point point) {
    Rect area = os::monitorOfPoint(point, true);
    return area.isEmpty() ? os::primaryWorkArea() : area;
}

} // namespace

UIComboBoxPopup::UIComboBoxPopup(UIComboBox& box) : UIWindow(u"UIComboBoxPopup"), box_(box) {
    setWindowFlags(WindowPopup | WindowTopmost);
    nativeWindow().setNoActivate(true);
    setLayered(true);
    borderColor_ = theme::kBorder;
}

UIComboBoxPopup::~UIComboBoxPopup() {
    if (open_) {
        open_ = false;
        nativeWindow().setMouseCapture(false);
        if (UIWindow* owner = ownerWindow(); owner && owner->activePopup() == this) {
            owner->setActivePopup(nullptr);
        }
    }
}

// --- Geometry ---

int32_t UIComboBoxPopup::itemHeight() const {
    return fontMetrics(box_.textStyle().font, dpi()).height + px(6);
}

int32_t UIComboBoxPopup::textWidth() const {
    int32_t widest = 0;
    for (const auto& item : box_.items()) {
        widest = std::max(widest, measureText(item.text, box_.textStyle().font, dpi()).width);
    }
    return widest;
}

int32_t UIComboBoxPopup::scrollBarWidth() const {
    return px(6);
}

Rect UIComboBoxPopup::listRect() const {
    return shrink(rect(), box_.popupPadding());
}

int32_t UIComboBoxPopup::lastFirst() const {
    return std::max(0, box_.count() - rows_);
}

Size UIComboBoxPopup::sizeHint() const {
    const int32_t rows = rows_ > 0 ? rows_ : std::min(box_.count(), kComboBoxVisibleItems);
    const Margins pad = box_.popupPadding();
    const int32_t scrollBar = rows < box_.count() ? scrollBarWidth() + px(4) : 0;
    return Size{pad.horizontal() + px(16) + textWidth() + scrollBar,
                pad.vertical() + rows * itemHeight()};
}

Rect UIComboBoxPopup::itemRect(int32_t index) const {
    if (index < first_ || index >= first_ + rows_ || index >= box_.count()) {
        return Rect{};
    }
    const Rect list = listRect();
    const Rect track = trackRect();
    const int32_t right = track.isEmpty() ? list.right() : track.x - px(2);
    const int32_t h = itemHeight();
    return Rect{list.x, list.y + (index - first_) * h, std::max(0, right - list.x), h};
}

int32_t UIComboBoxPopup::itemAt(Point local) const {
    const Rect list = listRect();
    if (!list.contains(local.x, local.y)) {
        return -1;
    }
    const Rect track = trackRect();
    if (!track.isEmpty() && local.x >= track.x - px(2)) {
        return -1;
    }
    const int32_t row = (local.y - list.y) / itemHeight();
    const int32_t index = first_ + row;
    return row < rows_ && index < box_.count() ? index : -1;
}

Rect UIComboBoxPopup::trackRect() const {
    if (rows_ >= box_.count()) {
        return Rect{};
    }
    const Rect list = listRect();
    const int32_t w = scrollBarWidth();
    return Rect{list.right() - w, list.y, w, rows_ * itemHeight()};
}

Rect UIComboBoxPopup::thumbRect() const {
    const Rect track = trackRect();
    if (track.isEmpty()) {
        return Rect{};
    }
    const int32_t length =
        std::min(track.height, std::max(px(16), track.height * rows_ / box_.count()));
    const int32_t travel = track.height - length;
    const int32_t last = lastFirst();
    const int32_t y = track.y + (last > 0 ? travel * first_ / last : 0);
    return Rect{track.x, y, track.width, length};
}

// --- Opening and closing ---

void UIComboBoxPopup::open(const Rect& anchor) {
    UIWindow* owner = box_.window();
    setOwnerWindow(owner);
    if (owner) {
        setWindowDpi(owner->windowDpi());
    }
    const int32_t count = box_.count();
    const int32_t h = itemHeight();
    const int32_t padding = box_.popupPadding().vertical();
    rows_ = std::min(count, kComboBoxVisibleItems);
    Point at{anchor.x, anchor.bottom()};
    const Rect desktop = desktopAround(at);
    if (!desktop.isEmpty()) {
        const int32_t below = desktop.bottom() - anchor.bottom();
        const int32_t above = anchor.y - desktop.y;
        const bool flip = padding + rows_ * h > below && above > below;
        const int32_t room = flip ? above : below;
        rows_ = std::clamp((room - padding) / std::max(1, h), 1, std::max(1, rows_));
        if (flip) {
            at.y = anchor.y - (padding + rows_ * h);
        }
    }
    Size size = sizeHint();
    size.width = std::max(size.width, anchor.width);
    if (!desktop.isEmpty()) {
        size.width = std::min(size.width, desktop.width);
        at.x = std::clamp(at.x, desktop.x, std::max(desktop.x, desktop.right() - size.width));
    }
    lastMouse_ = os::cursorPosition();
    first_ = 0;
    thumbGrip_ = -1;
    autoScroll_ = 0;
    wheelRest_ = 0;
    setScreenRect(Rect{at.x, at.y, size.width, size.height});
    highlighted_ = -1;
    if (box_.currentIndex() >= 0) {
        // The current item in the middle of the view where the list allows.
        scrollTo(box_.currentIndex() - (rows_ - 1) / 2);
        highlighted_ = box_.currentIndex();
    }
    open_ = true;
    showNoActivate();
    if (owner) {
        owner->setActivePopup(this);
    }
    nativeWindow().setMouseCapture(true);
    invalidateAll();
}

void UIComboBoxPopup::finish(bool accept) {
    if (!open_) {
        return;
    }
    // Closed first: giving up the mouse reports a capture loss back here.
    open_ = false;
    StopTimer(this, kAutoScrollTimer);
    autoScroll_ = 0;
    thumbGrip_ = -1;
    nativeWindow().setMouseCapture(false);
    if (UIWindow* owner = ownerWindow(); owner && owner->activePopup() == this) {
        owner->setActivePopup(nullptr);
    }
    hide();
    box_.update();
    if (accept && highlighted_ >= 0) {
        // May run handlers that close the window: nothing is touched afterwards.
        box_.setCurrentIndex(highlighted_);
    }
}

bool UIComboBoxPopup::onCloseRequest() {
    finish(false);
    return false;
}

void UIComboBoxPopup::onCaptureLostByWindow() {
    finish(false);
}

// --- Highlight and scrolling ---

void UIComboBoxPopup::scrollTo(int32_t first) {
    first = std::clamp(first, 0, lastFirst());
    if (first != first_) {
        first_ = first;
        invalidateAll();
    }
}

void UIComboBoxPopup::setHighlighted(int32_t index) {
    if (box_.count() == 0) {
        return;
    }
    index = std::clamp(index, 0, box_.count() - 1);
    if (index < first_) {
        scrollTo(index);
    } else if (index >= first_ + rows_) {
        scrollTo(index - rows_ + 1);
    }
    if (index != highlighted_) {
        highlighted_ = index;
        invalidateAll();
    }
}

void UIComboBoxPopup::moveHighlight(int32_t step) {
    if (highlighted_ < 0) {
        setHighlighted(step > 0 ? 0 : box_.count() - 1);
    } else {
        setHighlighted(highlighted_ + step);
    }
}

void UIComboBoxPopup::dragThumb(int32_t y) {
    const Rect track = trackRect();
    const Rect thumb = thumbRect();
    const int32_t travel = track.height - thumb.height;
    if (travel <= 0) {
        return;
    }
    const int32_t top = std::clamp(y - thumbGrip_ - track.y, 0, travel);
    scrollTo((top * lastFirst() + travel / 2) / travel);
}

void UIComboBoxPopup::pageTowards(int32_t y) {
    const Rect thumb = thumbRect();
    const int32_t page = std::max(1, rows_ - 1);
    if (y < thumb.y) {
        scrollTo(first_ - page);
    } else if (y >= thumb.bottom()) {
        scrollTo(first_ + page);
    }
}

void UIComboBoxPopup::autoScroll(Point position, uint32_t buttons) {
    const Rect list = listRect();
    int32_t direction = 0;
    if (buttons & MouseLeft) {
        direction = position.y < list.y ? -1 : position.y >= list.bottom() ? 1 : 0;
    }
    if (direction == autoScroll_) {
        return;
    }
    autoScroll_ = direction;
    if (direction != 0) {
        StartTimer(this, kAutoScrollTimer, kAutoScrollMs);
    } else {
        StopTimer(this, kAutoScrollTimer);
    }
}

void UIComboBoxPopup::OnTimer(int32_t identifier) {
    if (identifier != kAutoScrollTimer) {
        return;
    }
    if (!open_ || autoScroll_ == 0) {
        StopTimer(this, kAutoScrollTimer);
        return;
    }
    // A held button beyond the edge scrolls and drags the highlight along.
    setHighlighted(autoScroll_ < 0 ? first_ - 1 : first_ + rows_);
}

// --- Input ---

bool UIComboBoxPopup::onWindowMouse(NativeMouseKind kind, Point position, uint32_t button,
                                    uint32_t buttons) {
    if (!open_) {
        return true;
    }
    const bool inside = rect().contains(position.x, position.y);
    switch (kind) {
    case NativeMouseKind::Move: {
        const Point screen =
            nativeWindow().exists() ? nativeWindow().clientToScreen(position) : position;
        if (screen == lastMouse_) {
            // The position repeated as the list appeared: no move of the user's.
            return true;
        }
        lastMouse_ = screen;
        if (thumbGrip_ >= 0) {
            dragThumb(position.y);
            return true;
        }
        if (const int32_t index = itemAt(position); index >= 0 && index != highlighted_) {
            highlighted_ = index;
            invalidateAll();
        }
        autoScroll(position, buttons);
        return true;
    }
    case NativeMouseKind::Press:
    case NativeMouseKind::DoubleClick:
        if (!inside) {
            // A press beyond the list (the box itself included) only closes it.
            finish(false);
        } else if (button == MouseLeft && thumbRect().contains(position.x, position.y)) {
            thumbGrip_ = position.y - thumbRect().y;
        } else if (button == MouseLeft && trackRect().contains(position.x, position.y)) {
            pageTowards(position.y);
        }
        return true;
    case NativeMouseKind::Release:
        if (button != MouseLeft) {
            return true;
        }
        autoScroll(position, 0);
        if (thumbGrip_ >= 0) {
            thumbGrip_ = -1;
        } else if (const int32_t index = itemAt(position); index >= 0) {
            // Also the end of a drag that began on the box.
            highlighted_ = index;
            finish(true);
        }
        return true;
    }
    return true;
}

bool UIComboBoxPopup::onWindowWheel(Point, int32_t delta, bool vertical, uint32_t) {
    if (open_ && vertical) {
        wheelRest_ += delta;
        const int32_t notches = wheelRest_ / 120;
        wheelRest_ -= notches * 120;
        scrollTo(first_ - notches * kRowsPerNotch);
    }
    return true;
}

bool UIComboBoxPopup::onWindowKey(const KeyEvent& event) {
    const bool alt = (event.modifiers & ModifierAlt) != 0;
    const int32_t page = std::max(1, rows_ - 1);
    switch (event.key) {
    case KeyUp:
    case KeyDown:
        if (alt) {
            finish(true);
        } else {
            moveHighlight(event.key == KeyDown ? 1 : -1);
        }
        return true;
    case KeyPageUp:
        moveHighlight(-page);
        return true;
    case KeyPageDown:
        moveHighlight(page);
        return true;
    case KeyHome:
        setHighlighted(0);
        return true;
    case KeyEnd:
        setHighlighted(box_.count() - 1);
        return true;
    case KeySpace:
        // Within typed letters a space extends the prefix (it arrives as a character).
        if (!box_.isTyping()) {
            finish(true);
        }
        return true;
    case KeyReturn:
    case KeyF4:
        finish(true);
        return true;
    case KeyEscape:
        finish(false);
        return true;
    case KeyTab: {
        UIWindow* owner = ownerWindow();
        const bool forward = (event.modifiers & ModifierShift) == 0;
        finish(true);
        if (owner) {
            owner->defer([owner, forward] { owner->focusNext(forward); });
        }
        return true;
    }
    default:
        // Everything else belongs to the open list.
        return true;
    }
}

bool UIComboBoxPopup::onChar(const CharEvent& event) {
    if (open_ && event.character >= 0x20) {
        if (const int32_t index = box_.typeAhead(event.character, highlighted_); index >= 0) {
            setHighlighted(index);
        }
    }
    return true;
}

// --- Painting ---

void UIComboBoxPopup::paint(UIPainter& painter) {
    const int32_t radius = px(6);
    const Paint& background = box_.popupBackground();
    if (background.kind == PaintKind::Solid) {
        painter.fillRoundedRect(rect(), radius, background.effectiveColor());
    } else {
        painter.fillPaint(rect(), background);
    }
    if (alphaOf(borderColor_) != 0) {
        painter.drawRoundedRect(rect(), radius, borderColor_, 1);
    }
    painter.save();
    painter.clipTo(listRect());
    for (int32_t i = first_; i < std::min(first_ + rows_, box_.count()); ++i) {
        paintItem(painter, i);
    }
    painter.restore();
    const Rect thumb = thumbRect();
    if (!thumb.isEmpty()) {
        const Rect track = trackRect();
        painter.fillRoundedRect(track, track.width / 2, theme::kSunken);
        painter.fillRoundedRect(thumb, thumb.width / 2,
                                thumbGrip_ >= 0 ? theme::kDimText : theme::kBorder);
    }
}

void UIComboBoxPopup::paintItem(UIPainter& painter, int32_t index) {
    const Rect r = itemRect(index);
    const bool highlighted = index == highlighted_;
    if (highlighted) {
        painter.fillRoundedRect(r, px(4), theme::kAccent);
    } else if (index == box_.currentIndex()) {
        painter.fillRoundedRect(r, px(4), kCurrentMark);
    }
    const TextStyle& style = box_.textStyle();
    const Paint foreground = highlighted ? Paint::solid(rgb(255, 255, 255)) : style.foreground;
    const Rect text = shrink(r, Margins{px(8), 0, px(8), 0});
    TextStyle::draw(painter, text, box_.items()[static_cast<size_t>(index)].text, style.font,
                    foreground, Paint::solid(kTransparentColor), Point{},
                    AlignLeft | AlignVCenter | TextEllipsis);
}

} // namespace fw
