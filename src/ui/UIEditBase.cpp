#include "ui/UIEditBase.h"

#include "i18n/Translation.h"
#include "platform/ClipboardText.h"
#include "platform/InputMethod.h"
#include "platform/SystemInfo.h"
#include "platform/Time.h"
#include "resources/CursorSet.h"
#include "resources/StyleResources.h"
#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/TextStyle.h"
#include "ui/UIPainter.h"
#include "ui/UIWindow.h"

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

constexpr int32_t kBlinkTimer = 1;
constexpr int32_t kAutoScrollTimer = 2;
constexpr int32_t kAutoScrollMs = 50;

enum FieldFrame : int32_t {
    FrameNormal = 0,
    FrameHovered = 1,
    FrameFocused = 2,
    FrameDisabled = 3
};

// Keys that type a character: they arrive again as characters, and stop at
// the field so that no parent takes them for a shortcut.
bool isTypingKey(uint32_t key) {
    return key == KeySpace || (key >= 0x30 && key <= 0x39) || (key >= 0x41 && key <= 0x5A) ||
           (key >= 0x60 && key <= 0x6F) || (key >= 0xBA && key <= 0xC0) ||
           (key >= 0xDB && key <= 0xDF) || key == 0xE2;
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

EditStyle::EditStyle()
    : font(defaultFont()), blankFont(defaultFont()), foreground(Paint::solid(theme::kText)),
      selectedForeground(Paint::solid(rgb(255, 255, 255))),
      unfocusedSelectedForeground(Paint::solid(theme::kText)),
      disabledForeground(Paint::solid(theme::kDisabledText)),
      readonlyForeground(Paint::solid(theme::kText)),
      blankForeground(Paint::solid(rgb(128, 128, 128))),
      background(Paint::solid(kTransparentColor)),
      selectedBackground(Paint::solid(rgb(38, 104, 166))),
      unfocusedSelectedBackground(Paint::solid(rgb(72, 72, 72))),
      disabledBackground(Paint::solid(kTransparentColor)),
      readonlyBackground(Paint::solid(rgb(46, 46, 46))) {}

bool EditStyle::setProperty(WideStringView name, WideStringView value) {
    struct PaintProperty {
        WideStringView name;
        Paint EditStyle::*member;
        bool isBackground;
    };
    static const PaintProperty paints[] = {
        {u"foreground", &EditStyle::foreground, false},
        {u"selectedForeground", &EditStyle::selectedForeground, false},
        {u"unfocusedSelectedForeground", &EditStyle::unfocusedSelectedForeground, false},
        {u"disabledForeground", &EditStyle::disabledForeground, false},
        {u"readonlyForeground", &EditStyle::readonlyForeground, false},
        {u"blankForeground", &EditStyle::blankForeground, false},
        {u"background", &EditStyle::background, true},
        {u"selectedBackground", &EditStyle::selectedBackground, true},
        {u"unfocusedSelectedBackground", &EditStyle::unfocusedSelectedBackground, true},
        {u"disabledBackground", &EditStyle::disabledBackground, true},
        {u"readonlyBackground", &EditStyle::readonlyBackground, true},
    };
    if (name == u"font") {
        font = parseStyleFont(value);
        return true;
    }
    if (name == u"blankFont") {
        blankFont = parseStyleFont(value);
        return true;
    }
    for (const PaintProperty& property : paints) {
        if (name == property.name) {
            this->*property.member =
                property.isBackground ? parseStyleBackground(value) : parseStylePaint(value);
            return true;
        }
    }
    return false;
}

UIEditBase::UIEditBase(WideString className, WideString skinName, WideString menuGroup,
                       bool multiLine)
    : UIWidget(std::move(className)), model_(multiLine), skinName_(std::move(skinName)),
      menuGroup_(std::move(menuGroup)) {
    setFocusPolicy(FocusPolicy::Strong);
}

UIEditBase::~UIEditBase() = default;

void UIEditBase::setText(WideStringView text) {
    const WideString before = model_.text();
    model_.setText(text);
    if (model_.text() == before) {
        ensureCaretVisible();
        update();
        return;
    }
    afterEdit(true, false);
}

void UIEditBase::setBlankText(WideString text) {
    blankText_ = std::move(text);
    update();
}

void UIEditBase::setReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    update();
}

void UIEditBase::setMaxLength(size_t maxLength) {
    const WideString before = model_.text();
    model_.setMaxLength(maxLength);
    afterEdit(model_.text() != before, false);
}

void UIEditBase::setValidator(TextEditModel::Validator validator) {
    model_.setValidator(std::move(validator));
}

void UIEditBase::setSelection(size_t anchor, size_t caret) {
    model_.setSelection(anchor, caret);
    caretAtLineEnd_ = false;
    caretMoved();
    ensureCaretVisible();
    restartBlink();
    updateInputMethod();
    update();
}

void UIEditBase::selectAll() {
    setSelection(0, model_.text().size());
}

void UIEditBase::moveCaret(size_t position, bool extend, bool atLineEnd) {
    model_.setCaret(position, extend);
    caretAtLineEnd_ = atLineEnd;
    caretMoved();
    ensureCaretVisible();
    restartBlink();
    updateInputMethod();
    update();
}

void UIEditBase::afterEdit(bool changed, bool byUser) {
    if (!changed) {
        return;
    }
    caretAtLineEnd_ = false;
    textChanged();
    caretMoved();
    ensureCaretVisible();
    restartBlink();
    updateInputMethod();
    update();
    // The handlers may destroy the field: copies are called, nothing after.
    auto changedHandler = onChanged;
    auto editedHandler = byUser ? onEdited : nullptr;
    if (changedHandler) {
        changedHandler();
    }
    if (editedHandler) {
        editedHandler();
    }
}

// --- Commands ---

bool UIEditBase::undo() {
    if (readOnly_) {
        return false;
    }
    const bool changed = model_.undo();
    afterEdit(changed, true);
    return changed;
}

bool UIEditBase::redo() {
    if (readOnly_) {
        return false;
    }
    const bool changed = model_.redo();
    afterEdit(changed, true);
    return changed;
}

namespace {

// The clipboard's text convention has CR LF line ends.
WideString clipboardForm(const WideString& text) {
    return replaceAll(text, u"\n", u"\r\n");
}

} // namespace

void UIEditBase::cut() {
    if (readOnly_ || !model_.hasSelection()) {
        return;
    }
    if (os::textClipboard().writeText(clipboardForm(model_.selectedText()))) {
        afterEdit(model_.removeSelection(), true);
    }
}

void UIEditBase::copy() {
    if (model_.hasSelection()) {
        os::textClipboard().writeText(clipboardForm(model_.selectedText()));
    }
}

void UIEditBase::paste() {
    WideString text;
    if (readOnly_ || !os::textClipboard().readText(text)) {
        return;
    }
    afterEdit(model_.insert(text, EditKind::Other), true);
}

void UIEditBase::insertText(WideStringView text) {
    if (!readOnly_) {
        afterEdit(model_.insert(text, EditKind::Other), true);
    }
}

void UIEditBase::deleteSelection() {
    if (!readOnly_) {
        afterEdit(model_.removeSelection(), true);
    }
}

void UIEditBase::removeBackward(bool word) {
    if (readOnly_) {
        return;
    }
    const size_t caret = model_.caret();
    const size_t from = word ? model_.previousWordStart(caret) : model_.previousCharacter(caret);
    afterEdit(model_.remove(from, caret, EditKind::Backspace), true);
}

void UIEditBase::removeForward(bool word) {
    if (readOnly_) {
        return;
    }
    const size_t caret = model_.caret();
    const size_t to = word ? model_.nextWordStart(caret) : model_.nextCharacter(caret);
    afterEdit(model_.remove(caret, to, EditKind::ForwardDelete), true);
}

// --- Overridable behaviour ---

void UIEditBase::moveToLineEdge(bool end, bool extend) {
    moveCaret(end ? model_.text().size() : 0, extend);
}

bool UIEditBase::moveVertically(uint32_t, bool, bool) {
    return false;
}

bool UIEditBase::insertLineBreak() {
    return false;
}

std::pair<size_t, size_t> UIEditBase::lineSelectionAt(size_t) const {
    return {0, model_.text().size()};
}

void UIEditBase::addMenuItems(UIMenu&) {}

void UIEditBase::menuItemChosen(int32_t) {}

// --- Keyboard ---

bool UIEditBase::onKeyPress(const KeyEvent& event) {
    if (handleShortcut(event) || handleMovementKey(event) || handleEditingKey(event)) {
        return true;
    }
    return !(event.modifiers & (ModifierControl | ModifierAlt)) && isTypingKey(event.key);
}

bool UIEditBase::handleShortcut(const KeyEvent& event) {
    const uint32_t m = event.modifiers;
    const bool shift = m & ModifierShift;
    if (m == 0 && event.key == KeyApps) {
        Rect caret = caretRect();
        showContextMenu(Point{caret.x, caret.bottom()});
        return true;
    }
    if (m == ModifierShift && event.key == KeyF10) {
        Rect caret = caretRect();
        showContextMenu(Point{caret.x, caret.bottom()});
        return true;
    }
    if ((m & ~ModifierShift) == ModifierAlt && event.key == KeyBackspace) {
        shift ? redo() : undo();
        return true;
    }
    if (m == ModifierShift && event.key == KeyInsert) {
        paste();
        return true;
    }
    if (m == ModifierShift && event.key == KeyDelete) {
        cut();
        return true;
    }
    if ((m & ~ModifierShift) != ModifierControl) {
        return false;
    }
    switch (event.key) {
    case KeyA:
        selectAll();
        return true;
    case KeyC:
    case KeyInsert:
        copy();
        return true;
    case KeyX:
        cut();
        return true;
    case KeyV:
        paste();
        return true;
    case KeyZ:
        shift ? redo() : undo();
        return true;
    case KeyY:
        redo();
        return true;
    default:
        return false;
    }
}

bool UIEditBase::handleMovementKey(const KeyEvent& event) {
    if (event.modifiers & ModifierAlt) {
        return false;
    }
    const bool shift = event.modifiers & ModifierShift;
    const bool control = event.modifiers & ModifierControl;
    const size_t caret = model_.caret();
    switch (event.key) {
    case KeyLeft:
        if (!shift && !control && model_.hasSelection()) {
            moveCaret(model_.selectionStart(), false);
        } else {
            moveCaret(control ? model_.previousWordStart(caret) : model_.previousCharacter(caret),
                      shift);
        }
        return true;
    case KeyRight:
        if (!shift && !control && model_.hasSelection()) {
            moveCaret(model_.selectionEnd(), false);
        } else {
            moveCaret(control ? model_.nextWordStart(caret) : model_.nextCharacter(caret), shift);
        }
        return true;
    case KeyHome:
    case KeyEnd:
        if (control) {
            moveCaret(event.key == KeyEnd ? model_.text().size() : 0, shift);
        } else {
            moveToLineEdge(event.key == KeyEnd, shift);
        }
        return true;
    case KeyUp:
    case KeyDown:
    case KeyPageUp:
    case KeyPageDown:
        return moveVertically(event.key, shift, control);
    default:
        return false;
    }
}

bool UIEditBase::handleEditingKey(const KeyEvent& event) {
    const uint32_t m = event.modifiers;
    if (m & ModifierAlt) {
        return false;
    }
    switch (event.key) {
    case KeyBackspace:
        removeBackward(m & ModifierControl);
        return true;
    case KeyDelete:
        if (m & ModifierShift) {
            return false;
        }
        removeForward(m & ModifierControl);
        return true;
    case KeyReturn:
        if (m & ModifierControl) {
            return false;
        }
        return insertLineBreak();
    default:
        return false;
    }
}

bool UIEditBase::onChar(const CharEvent& event) {
    const char16_t c = event.character;
    if (c < 0x20 || c == 0x7F) {
        return false;
    }
    if (readOnly_) {
        return true;
    }
    // A character outside the basic plane arrives in two halves; it is
    // inserted whole, so that no edit ever separates them.
    if (isHighSurrogate(c)) {
        pendingHighSurrogate_ = c;
        return true;
    }
    WideString typed;
    if (isLowSurrogate(c)) {
        if (!pendingHighSurrogate_) {
            return true;
        }
        typed.push_back(pendingHighSurrogate_);
    }
    pendingHighSurrogate_ = 0;
    typed.push_back(c);
    afterEdit(model_.insert(typed, EditKind::Typing), true);
    return true;
}

// --- Mouse ---

bool UIEditBase::onMousePress(const MouseEvent& event) {
    if (event.button == MouseRight) {
        return true;
    }
    if (event.button != MouseLeft) {
        return false;
    }
    const TextHit hit = hitAt(event.position);
    const Size box = os::doubleClickSize();
    const bool tripleClick = doubleClickValid_ &&
                             os::tickCount() - doubleClickTime_ <= os::doubleClickTime() &&
                             std::abs(event.position.x - doubleClickPoint_.x) <= box.width / 2 &&
                             std::abs(event.position.y - doubleClickPoint_.y) <= box.height / 2;
    doubleClickValid_ = false;
    if (tripleClick) {
        auto line = lineSelectionAt(hit.position);
        setSelection(line.first, line.second);
        drag_ = DragMode::None;
        return true;
    }
    moveCaret(hit.position, (event.modifiers & ModifierShift) != 0, hit.atLineEnd);
    drag_ = DragMode::Characters;
    lastDragPoint_ = event.position;
    return true;
}

bool UIEditBase::onMouseDoubleClick(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return onMousePress(event);
    }
    dragWord_ = model_.wordAt(positionAt(event.position));
    setSelection(dragWord_.first, dragWord_.second);
    drag_ = DragMode::Words;
    lastDragPoint_ = event.position;
    doubleClickValid_ = true;
    doubleClickTime_ = os::tickCount();
    doubleClickPoint_ = event.position;
    return true;
}

bool UIEditBase::onMouseMove(const MouseEvent& event) {
    if (drag_ == DragMode::None || !(event.buttons & MouseLeft)) {
        return false;
    }
    lastDragPoint_ = event.position;
    dragTo(event.position);
    updateAutoScroll(event.position);
    return true;
}

bool UIEditBase::onMouseRelease(const MouseEvent& event) {
    if (event.button == MouseRight) {
        if (rect().contains(event.position.x, event.position.y)) {
            showContextMenu(event.position);
        }
        return true;
    }
    if (event.button != MouseLeft) {
        return false;
    }
    drag_ = DragMode::None;
    StopTimer(this, kAutoScrollTimer);
    return true;
}

void UIEditBase::dragTo(Point local) {
    const TextHit hit = hitAt(local);
    const size_t position = hit.position;
    if (drag_ == DragMode::Characters) {
        moveCaret(position, true, hit.atLineEnd);
        return;
    }
    // After a double click the selection grows by whole words.
    auto word = model_.wordAt(position);
    if (word.first < dragWord_.first) {
        setSelection(dragWord_.second, word.first);
    } else {
        setSelection(dragWord_.first, std::max(word.second, dragWord_.second));
    }
}

void UIEditBase::updateAutoScroll(Point local) {
    if (rect().contains(local.x, local.y)) {
        StopTimer(this, kAutoScrollTimer);
    } else {
        StartTimer(this, kAutoScrollTimer, kAutoScrollMs);
    }
}

void UIEditBase::onCaptureLost() {
    drag_ = DragMode::None;
    StopTimer(this, kAutoScrollTimer);
}

// --- Focus, state and timers ---

void UIEditBase::onFocusIn() {
    // Reached with Tab, a single-line field selects its text, as dialogs do.
    UIWindow* w = window();
    if (!model_.isMultiLine() && w && w->focusCuesVisible()) {
        model_.selectAll();
        caretMoved();
        ensureCaretVisible();
    }
    restartBlink();
    updateInputMethod();
    update();
}

void UIEditBase::onFocusOut() {
    model_.closeUndoGroup();
    StopTimer(this, kBlinkTimer);
    StopTimer(this, kAutoScrollTimer);
    drag_ = DragMode::None;
    pendingHighSurrogate_ = 0;
    update();
}

void UIEditBase::onStateChanged() {
    if (!isEnabled() && menu_ && menu_->isOpen()) {
        menu_->closeAll();
    }
    update();
}

void UIEditBase::restartBlink() {
    caretOn_ = true;
    StopTimer(this, kBlinkTimer);
    const uint32_t period = os::caretBlinkTime();
    if (hasFocus() && period > 0) {
        StartTimer(this, kBlinkTimer, static_cast<int32_t>(period));
    }
}

void UIEditBase::OnTimer(int32_t identifier) {
    if (identifier == kBlinkTimer) {
        caretOn_ = !caretOn_;
        Rect caret = caretRect();
        update(Rect{caret.x - 1, caret.y, caret.width + 2, caret.height});
    } else if (identifier == kAutoScrollTimer) {
        if (drag_ == DragMode::None) {
            StopTimer(this, kAutoScrollTimer);
        } else {
            dragTo(lastDragPoint_);
        }
    }
}

Point UIEditBase::toScreen(Point local) const {
    Point at = mapToWindow(local);
    UIWindow* w = window();
    if (w && w->nativeWindow().exists()) {
        return w->nativeWindow().clientToScreen(at);
    }
    return at;
}

void UIEditBase::updateInputMethod() {
    UIWindow* w = window();
    if (!hasFocus() || !w || !w->nativeWindow().exists()) {
        return;
    }
    const Rect caret = caretRect();
    const Point at = mapToWindow(Point{caret.x, caret.y});
    os::placeInputMethod(w->nativeWindow().handle(), Rect{at.x, at.y, caret.width, caret.height},
                         platformFont(textFont(), dpi()));
}

// --- Context menu ---

void UIEditBase::showContextMenu(Point local) {
    if (!menu_) {
        menu_ = std::make_unique<UIMenu>();
        menu_->onTriggered = [this](int32_t id) { chooseMenuItem(id); };
    }
    if (!hasFocus()) {
        setFocus();
    }
    menu_->clear();
    buildMenu(*menu_);
    menu_->popup(toScreen(local), window());
}

void UIEditBase::buildMenu(UIMenu& menu) {
    const bool editable = !readOnly_ && isEnabled();
    const bool selection = model_.hasSelection();
    auto add = [&](int32_t id, WideStringView text, bool enabled) {
        menu.addItem(id, translate(text, menuGroup_)).enabled = enabled;
    };
    add(EditMenuUndo, u"Undo", editable && model_.canUndo());
    add(EditMenuRedo, u"Redo", editable && model_.canRedo());
    menu.addSeparator();
    add(EditMenuCut, u"Cut", editable && selection);
    add(EditMenuCopy, u"Copy", selection);
    add(EditMenuPaste, u"Paste", editable && os::textClipboard().hasText());
    add(EditMenuDelete, u"Delete", editable && selection);
    menu.addSeparator();
    add(EditMenuSelectAll, u"Select All", !model_.text().empty() && !model_.isAllSelected());
    addMenuItems(menu);
}

void UIEditBase::chooseMenuItem(int32_t id) {
    switch (id) {
    case EditMenuUndo:
        undo();
        break;
    case EditMenuRedo:
        redo();
        break;
    case EditMenuCut:
        cut();
        break;
    case EditMenuCopy:
        copy();
        break;
    case EditMenuPaste:
        paste();
        break;
    case EditMenuDelete:
        deleteSelection();
        break;
    case EditMenuSelectAll:
        selectAll();
        break;
    default:
        menuItemChosen(id);
        break;
    }
}

// --- Style ---

void UIEditBase::setProperty(WideStringView name, WideStringView value) {
    if (!style_.setProperty(name, value)) {
        return;
    }
    textChanged();
    ensureCaretVisible();
    updateGeometry();
    update();
}

void UIEditBase::bindSkin(WideStringView name, const Skin& skin) {
    if (name == skinName_) {
        skin_ = &skin;
        updateGeometry();
    }
}

int32_t UIEditBase::cursorAt(Point) const {
    return CursorIBeam;
}

// --- Painting ---

void UIEditBase::paintFrame(UIPainter& painter) const {
    const Rect area = rect();
    const int32_t frame = !isEnabled()  ? FrameDisabled
                          : hasFocus()  ? FrameFocused
                          : isHovered() ? FrameHovered
                                        : FrameNormal;
    if (skin_) {
        drawSkin(painter, skin_, frame, area);
    } else {
        painter.fillRoundedRect(area, px(3), theme::kSunken);
        painter.drawRoundedRect(area, px(3),
                                frame == FrameFocused ? theme::kAccent : theme::kBorder);
    }
    const Paint& fill = !isEnabled() ? style_.disabledBackground
                        : readOnly_  ? style_.readonlyBackground
                                     : style_.background;
    if (fill.isVisible()) {
        // Inside the frame's border.
        const int32_t border = std::max(1, px(1));
        painter.fillPaint(shrink(area, Margins{border, border, border, border}), fill);
    }
}

const Paint& UIEditBase::textPaint() const {
    if (!isEnabled()) {
        return style_.disabledForeground;
    }
    return readOnly_ ? style_.readonlyForeground : style_.foreground;
}

int32_t UIEditBase::caretWidth() const {
    return std::max(px(1), metric(static_cast<int32_t>(MetricId::TextCursorWidth)));
}

bool UIEditBase::isCaretShown() const {
    UIWindow* w = window();
    return caretOn_ && hasFocus() && isEnabled() && w && w->isActive();
}

void UIEditBase::paintTextLine(UIPainter& painter, Point origin, int32_t lineHeight,
                               WideStringView line, const std::vector<int32_t>& offsets,
                               size_t selectFrom, size_t selectTo, bool selectBreak) const {
    auto xAt = [&offsets](size_t i) {
        return i == 0 || offsets.empty() ? 0 : offsets[std::min(i, offsets.size()) - 1];
    };
    const FontSpec font = textFont();
    const Paint& normal = textPaint();
    const Rect textRect{origin.x, origin.y, xAt(line.size()) + lineHeight, lineHeight};
    const bool selected = selectFrom < selectTo || selectBreak;
    if (!selected) {
        if (normal.isVisible()) {
            painter.drawText(textRect, line, font, normal.effectiveColor(),
                             AlignLeft | AlignVCenter);
        }
        return;
    }
    UIWindow* w = window();
    const bool focused = hasFocus() && w && w->isActive() && isEnabled();
    const Paint& selectionFill =
        focused ? style_.selectedBackground : style_.unfocusedSelectedBackground;
    const Paint& selectionText =
        focused ? style_.selectedForeground : style_.unfocusedSelectedForeground;
    const int32_t x0 = origin.x + xAt(selectFrom);
    const int32_t x1 = origin.x + xAt(selectTo) + (selectBreak ? px(5) : 0);
    const Rect selection{x0, origin.y, x1 - x0, lineHeight};
    if (selectionFill.isVisible()) {
        painter.fillPaint(selection, selectionFill);
    }
    // The text is drawn whole under each clip, so that the selected part keeps
    // exactly the glyph positions of the rest.
    const Rect clip = painter.clipRect();
    const Rect pieces[] = {Rect{clip.x, clip.y, x0 - clip.x, clip.height}, selection,
                           Rect{x1, clip.y, clip.right() - x1, clip.height}};
    for (int i = 0; i < 3; ++i) {
        const Paint& paint = i == 1 ? selectionText : normal;
        if (pieces[i].isEmpty() || !paint.isVisible()) {
            continue;
        }
        painter.save();
        painter.clipTo(pieces[i]);
        painter.drawText(textRect, line, font, paint.effectiveColor(), AlignLeft | AlignVCenter);
        painter.restore();
    }
}

void UIEditBase::paintBlankText(UIPainter& painter, const Rect& area, uint32_t alignment) const {
    if (!model_.text().empty() || blankText_.empty() || !style_.blankForeground.isVisible()) {
        return;
    }
    painter.drawText(area, blankText_, blankTextFont(), style_.blankForeground.effectiveColor(),
                     alignment | TextEllipsis);
}

void UIEditBase::paintCaret(UIPainter& painter) const {
    if (!isCaretShown()) {
        return;
    }
    const Paint& paint = textPaint();
    painter.fillRect(caretRect(), paint.isVisible() ? paint.effectiveColor() : theme::kText);
}

} // namespace fw
