#include "ui/UIMenu.h"

#include "capture/Screen.h"
#include "platform/SystemInfo.h"
#include "ui/TextLayout.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int32_t kSubmenuTimer = 1;
constexpr int32_t kSubmenuDelayMs = 350;

enum IndicatorFrame : int32_t { IndicatorNormal = 0, IndicatorHovered = 1, IndicatorDisabled = 2 };

// The character after the first single "&", lower-cased; 0 without one.
char16_t mnemonicOf(WideStringView text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return toLowerChar(text[i + 1]);
            }
            ++i;
        }
    }
    return 0;
}

char16_t firstLetterOf(WideStringView text) {
    for (char16_t c : text) {
        if (c != u'&' && c != u' ') {
            return toLowerChar(c);
        }
    }
    return 0;
}

} // namespace

struct UIMenu::Metrics {
    Margins padding;
    Margins itemPadding;
    int32_t iconSpace = 0;
    int32_t arrowSpace = 0;
    int32_t itemHeight = 0;
    int32_t separatorHeight = 0;
    int32_t textWidth = 0;
    int32_t shortcutWidth = 0;
    int32_t width = 0;
};

UIMenu::UIMenu() : UIWindow(u"UIMenu") {
    setWindowFlags(WindowPopup | WindowTopmost);
    nativeWindow().setNoActivate(true);
    setLayered(true);
    background_ = Paint::solid(theme::kPanel);
    borderColor_ = theme::kBorder;
    applySkins();
}

UIMenu::~UIMenu() {
    if (parentMenu_ && parentMenu_->openChild_ == this) {
        parentMenu_->openChild_ = nullptr;
    }
    if (open_ && !parentMenu_) {
        nativeWindow().setMouseCapture(false);
    }
    if (loopDepth_) {
        eventLoop().endFrame(loopDepth_, -1);
    }
}

UIMenuItem& UIMenu::addItem(int32_t id, WideString text, Image icon) {
    auto item = std::make_unique<UIMenuItem>();
    item->id = id;
    item->text = std::move(text);
    item->icon = ScaledImage(std::move(icon));
    items_.push_back(std::move(item));
    updateGeometry();
    return *items_.back();
}

void UIMenu::addSeparator() {
    auto item = std::make_unique<UIMenuItem>();
    item->separator = true;
    items_.push_back(std::move(item));
}

UIMenu* UIMenu::addSubmenu(WideString text, Image icon) {
    UIMenuItem& item = addItem(-1, std::move(text), std::move(icon));
    item.submenu = std::make_unique<UIMenu>();
    item.submenu->parentMenu_ = this;
    return item.submenu.get();
}

void UIMenu::clear() {
    closeSubmenu();
    items_.clear();
    hovered_ = -1;
    updateGeometry();
}

UIMenuItem* UIMenu::item(int32_t id) {
    for (auto& item : items_) {
        if (!item->separator && item->id == id) {
            return item.get();
        }
    }
    return nullptr;
}

void UIMenu::setItemEnabled(int32_t id, bool enabled) {
    if (UIMenuItem* found = item(id)) {
        found->enabled = enabled;
        invalidateAll();
    }
}

void UIMenu::setItemChecked(int32_t id, bool checked) {
    if (UIMenuItem* found = item(id)) {
        found->checked = checked;
        found->checkable = true;
        invalidateAll();
    }
}

void UIMenu::setItemText(int32_t id, WideString text) {
    if (UIMenuItem* found = item(id)) {
        found->text = std::move(text);
        updateGeometry();
    }
}

UIMenu::Metrics UIMenu::metrics() const {
    Metrics m;
    m.padding = px(padding_);
    m.itemPadding = px(itemPadding_);
    const int32_t d = dpi();
    FontMetrics font = fontMetrics(textStyle_.font, d);
    int32_t iconHeight = px(16);
    bool anyIcon = forceIconSpace_;
    bool anySubmenu = false;
    for (const auto& item : items_) {
        if (item->separator) {
            continue;
        }
        anyIcon = anyIcon || !item->icon.isEmpty() || item->checkable || item->radio;
        anySubmenu = anySubmenu || item->submenu != nullptr;
        if (!item->icon.isEmpty()) {
            iconHeight = std::max(iconHeight, item->icon.sizeAt(d).height);
        }
        m.textWidth =
            std::max(m.textWidth, measureText(item->text, textStyle_.font, d, TextMnemonic).width);
        if (!item->shortcut.empty()) {
            m.shortcutWidth =
                std::max(m.shortcutWidth, measureText(item->shortcut, textStyle_.font, d).width);
        }
    }
    m.iconSpace = anyIcon ? px(itemIconSpace_) : 0;
    m.arrowSpace = anySubmenu ? px(itemArrowSpace_) : 0;
    m.itemHeight = std::max(font.height, iconHeight) + m.itemPadding.vertical();
    Size separatorSkin = skinFrameSize(separator_, d);
    m.separatorHeight = std::max(separatorSkin.height, 1) + px(6);
    int32_t shortcutGap = m.shortcutWidth > 0 ? px(24) + m.shortcutWidth : 0;
    m.width =
        std::max(px(minimumWidth_), m.padding.horizontal() + m.itemPadding.horizontal() +
                                        m.iconSpace + m.textWidth + shortcutGap + m.arrowSpace);
    return m;
}

Size UIMenu::sizeHint() const {
    Metrics m = metrics();
    int32_t height = m.padding.vertical();
    for (const auto& item : items_) {
        height += item->separator ? m.separatorHeight : m.itemHeight;
    }
    return Size{m.width, height};
}

Rect UIMenu::itemRect(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) {
        return Rect{};
    }
    Metrics m = metrics();
    int32_t y = m.padding.top;
    for (int32_t i = 0; i < index; ++i) {
        y += items_[static_cast<size_t>(i)]->separator ? m.separatorHeight : m.itemHeight;
    }
    int32_t h = items_[static_cast<size_t>(index)]->separator ? m.separatorHeight : m.itemHeight;
    return Rect{m.padding.left, y, width() - m.padding.horizontal(), h};
}

int32_t UIMenu::itemAt(Point local) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (itemRect(static_cast<int32_t>(i)).contains(local.x, local.y)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

bool UIMenu::isSelectable(int32_t index) const {
    return index >= 0 && static_cast<size_t>(index) < items_.size() &&
           !items_[static_cast<size_t>(index)]->separator;
}

void UIMenu::paint(UIPainter& painter) {
    const int32_t radius = px(6);
    if (background_.isVisible()) {
        painter.fillRoundedRect(rect(), radius, background_.effectiveColor());
    }
    if (alphaOf(borderColor_) != 0) {
        painter.drawRoundedRect(rect(), radius, borderColor_, 1);
    }
    Metrics m = metrics();
    if (verticalLine_ && m.iconSpace > 0 && alphaOf(borderColor_) != 0) {
        // The line between the picture column and the texts, where the style has one.
        Rect line{m.padding.left + m.iconSpace - 1, m.padding.top, 1,
                  height() - m.padding.vertical()};
        drawSkin(painter, verticalLine_, 0, line);
    }
    for (size_t i = 0; i < items_.size(); ++i) {
        paintItem(painter, static_cast<int32_t>(i), m);
    }
}

void UIMenu::paintItem(UIPainter& painter, int32_t index, const Metrics& m) {
    const UIMenuItem& item = *items_[static_cast<size_t>(index)];
    const Rect r = itemRect(index);
    const int32_t d = painter.dpi();
    if (item.separator) {
        int32_t x = r.x + m.iconSpace;
        Rect line{x, r.y + r.height / 2, r.right() - x - px(4), 1};
        if (separator_) {
            line.height = skinFrameSize(separator_, d).height;
            drawSkin(painter, separator_, 0, line);
        } else {
            painter.fillRect(line, theme::kBorder);
        }
        return;
    }
    const bool hovered = index == hovered_;
    if (hovered && item.enabled) {
        if (hoveredBackground_) {
            drawSkin(painter, hoveredBackground_, 0, r);
        } else {
            painter.fillRoundedRect(r, px(4), theme::kRaised);
        }
    }
    const int32_t indicatorFrame = !item.enabled ? IndicatorDisabled
                                   : hovered     ? IndicatorHovered
                                                 : IndicatorNormal;
    Rect iconArea{r.x, r.y, m.iconSpace, r.height};
    if (!item.icon.isEmpty()) {
        painter.drawImageAligned(item.icon.at(d), iconArea, AlignCenter);
    } else if (item.checked) {
        drawSkinAligned(painter, item.radio ? radioIndicator_ : checkIndicator_, indicatorFrame,
                        iconArea);
    }
    const Paint& foreground = !item.enabled ? textStyle_.disabledForeground
                              : hovered     ? hoveredForeground_
                                            : textStyle_.foreground;
    const Paint& shadow = !item.enabled ? textStyle_.disabledShadowForeground
                          : hovered     ? hoveredShadowForeground_
                                        : textStyle_.shadowForeground;
    const int32_t textLeft = r.x + m.iconSpace + m.itemPadding.left;
    const int32_t textRight = r.right() - m.itemPadding.right - m.arrowSpace;
    Rect textRect{textLeft, r.y, std::max(0, textRight - textLeft), r.height};
    TextStyle::draw(painter, textRect, item.text, textStyle_.font, foreground, shadow,
                    textStyle_.shadowOffset, AlignLeft | AlignVCenter | TextMnemonic);
    if (!item.shortcut.empty()) {
        // Quieter than the item's text, but readable on the highlight too.
        Paint dim = !item.enabled ? textStyle_.disabledForeground
                    : hovered     ? hoveredForeground_
                                  : Paint::solid(theme::kDimText);
        if (hovered && item.enabled) {
            dim.opacity = 0.8f;
        }
        TextStyle::draw(painter, textRect, item.shortcut, textStyle_.font, dim, shadow,
                        textStyle_.shadowOffset, AlignRight | AlignVCenter);
    }
    if (item.submenu) {
        Rect arrowArea{r.right() - m.arrowSpace, r.y, m.arrowSpace, r.height};
        drawSkinAligned(painter, arrow_, indicatorFrame, arrowArea);
    }
}

void UIMenu::setProperty(WideStringView name, WideStringView value) {
    if (textStyle_.setProperty(name, value)) {
    } else if (name == u"hoveredForeground") {
        hoveredForeground_ = parseStylePaint(value);
    } else if (name == u"hoveredShadowForeground") {
        hoveredShadowForeground_ = parseStylePaint(value);
    } else if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"borderColor") {
        borderColor_ = parseStyleColor(value);
    } else if (name == u"padding") {
        padding_ = parseStyleRectangle(value);
    } else if (name == u"desktopPadding") {
        desktopPadding_ = parseStyleRectangle(value);
    } else if (name == u"itemPadding") {
        itemPadding_ = parseStyleRectangle(value);
    } else if (name == u"minimumWidth") {
        minimumWidth_ = parseStyleInteger(value);
    } else if (name == u"itemIconSpace") {
        itemIconSpace_ = parseStyleInteger(value);
    } else if (name == u"itemArrowSpace") {
        itemArrowSpace_ = parseStyleInteger(value);
    } else if (name == u"isForceIconSpace") {
        forceIconSpace_ = parseStyleInteger(value) != 0;
    } else {
        return;
    }
    updateGeometry();
    invalidateAll();
}

void UIMenu::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIMenu_HoveredItemBackground") {
        hoveredBackground_ = &skin;
    } else if (name == u"UIMenu_ItemArrow") {
        arrow_ = &skin;
    } else if (name == u"UIMenu_ItemCheckIndicator") {
        checkIndicator_ = &skin;
    } else if (name == u"UIMenu_ItemRadioIndicator") {
        radioIndicator_ = &skin;
    } else if (name == u"UIMenu_ItemSeparator") {
        separator_ = &skin;
    } else if (name == u"UIMenu_VerticalLine") {
        verticalLine_ = &skin;
    }
}

// --- Opening and closing ---

namespace {

// The desktop area a menu must stay inside: the work area of the monitor at
// `point`, less the menu's desktop padding.
Rect desktopAt(Point point, const Margins& padding) {
    Rect area = os::monitorOfPoint(point, true);
    if (area.isEmpty()) {
        area = os::primaryWorkArea();
    }
    return shrink(area, padding);
}

} // namespace

void UIMenu::openAt(const Rect& screenRect, UIWindow* owner) {
    setOwnerWindow(owner);
    hovered_ = -1;
    chosen_ = -1;
    setScreenRect(screenRect);
    open_ = true;
    showNoActivate();
    if (!parentMenu_) {
        if (owner) {
            owner->setActivePopup(this);
        }
        nativeWindow().setMouseCapture(true);
    }
}

void UIMenu::popup(Point screen, UIWindow* owner) {
    if (onAboutToShow) {
        onAboutToShow(*this);
    }
    source_ = nullptr;
    if (owner) {
        setWindowDpi(owner->windowDpi());
    }
    Size size = sizeHint();
    Rect desktop = desktopAt(screen, px(desktopPadding_));
    Point at = screen;
    if (!desktop.isEmpty()) {
        if (at.x + size.width > desktop.right()) {
            at.x = std::max(desktop.x, screen.x - size.width);
        }
        if (at.y + size.height > desktop.bottom()) {
            at.y = std::max(desktop.y, screen.y - size.height);
        }
    }
    openAt(Rect{at.x, at.y, size.width, size.height}, owner);
}

void UIMenu::dropDown(const Rect& anchor, UIWindow* owner, UIWidget* source) {
    if (onAboutToShow) {
        onAboutToShow(*this);
    }
    if (owner) {
        setWindowDpi(owner->windowDpi());
    }
    Size size = sizeHint();
    Rect desktop = desktopAt(Point{anchor.x, anchor.bottom()}, px(desktopPadding_));
    Point at{anchor.x, anchor.bottom()};
    if (!desktop.isEmpty()) {
        if (at.y + size.height > desktop.bottom() && anchor.y - size.height >= desktop.y) {
            at.y = anchor.y - size.height;
        }
        at.x = std::clamp(at.x, desktop.x, std::max(desktop.x, desktop.right() - size.width));
    }
    openAt(Rect{at.x, at.y, size.width, size.height}, owner);
    source_ = source;
}

int32_t UIMenu::exec(Point screen, UIWindow* owner) {
    popup(screen, owner);
    if (!open_) {
        return -1;
    }
    EventLoop& loop = eventLoop();
    loopDepth_ = loop.depth() + 1;
    int32_t chosen = loop.run();
    loopDepth_ = 0;
    return chosen;
}

UIMenu* UIMenu::root() {
    UIMenu* menu = this;
    while (menu->parentMenu_) {
        menu = menu->parentMenu_;
    }
    return menu;
}

UIMenu* UIMenu::deepestOpen() {
    UIMenu* menu = this;
    while (menu->openChild_ && menu->openChild_->open_) {
        menu = menu->openChild_;
    }
    return menu;
}

void UIMenu::closeSubmenu() {
    StopTimer(this, kSubmenuTimer);
    pendingSubmenu_ = -1;
    if (!openChild_) {
        return;
    }
    UIMenu* child = openChild_;
    openChild_ = nullptr;
    child->closeSubmenu();
    child->open_ = false;
    child->hide();
}

void UIMenu::closeAll() {
    UIMenu* top = root();
    if (!top->open_) {
        return;
    }
    top->closeSubmenu();
    top->open_ = false;
    top->nativeWindow().setMouseCapture(false);
    if (UIWindow* owner = top->ownerWindow(); owner && owner->activePopup() == top) {
        owner->setActivePopup(nullptr);
    }
    top->hide();
    if (top->loopDepth_) {
        eventLoop().endFrame(top->loopDepth_, top->chosen_);
    }
    if (top->chosen_ >= 0 && top->onTriggered) {
        const int32_t id = top->chosen_;
        // After the current message, so that the handler may open windows or
        // destroy the menu.
        top->defer([top, id] {
            if (top->onTriggered) {
                top->onTriggered(id);
            }
        });
    }
}

bool UIMenu::onCloseRequest() {
    closeAll();
    return false;
}

void UIMenu::onCaptureLostByWindow() {
    if (!parentMenu_ && open_) {
        closeAll();
    }
}

// --- Choosing ---

void UIMenu::setHovered(int32_t index) {
    if (index == hovered_) {
        return;
    }
    hovered_ = index;
    invalidateAll();
}

void UIMenu::moveHover(int32_t step) {
    const int32_t count = static_cast<int32_t>(items_.size());
    if (count == 0) {
        return;
    }
    int32_t index = hovered_;
    for (int32_t tries = 0; tries < count; ++tries) {
        index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
        if (isSelectable(index)) {
            setHovered(index);
            return;
        }
    }
}

void UIMenu::openSubmenu(int32_t index, bool selectFirst) {
    StopTimer(this, kSubmenuTimer);
    pendingSubmenu_ = -1;
    if (!isSelectable(index)) {
        return;
    }
    UIMenuItem& item = *items_[static_cast<size_t>(index)];
    if (!item.submenu || !item.enabled) {
        return;
    }
    if (openChild_ == item.submenu.get()) {
        if (selectFirst) {
            openChild_->moveHover(1);
        }
        return;
    }
    closeSubmenu();
    UIMenu* child = item.submenu.get();
    if (child->onAboutToShow) {
        child->onAboutToShow(*child);
    }
    child->setWindowDpi(windowDpi());
    Size size = child->sizeHint();
    Rect itemOnScreen = itemRect(index);
    Point origin = nativeWindow().exists() ? Point{screenRect().x, screenRect().y} : Point{};
    Rect anchor{origin.x + itemOnScreen.x, origin.y + itemOnScreen.y, itemOnScreen.width,
                itemOnScreen.height};
    Rect desktop = desktopAt(Point{anchor.right(), anchor.y}, px(desktopPadding_));
    Point at{origin.x + width() - px(2), anchor.y - child->px(child->padding_.top)};
    if (!desktop.isEmpty()) {
        if (at.x + size.width > desktop.right()) {
            at.x = std::max(desktop.x, origin.x - size.width + px(2));
        }
        if (at.y + size.height > desktop.bottom()) {
            at.y = std::max(desktop.y, desktop.bottom() - size.height);
        }
    }
    openChild_ = child;
    child->openAt(Rect{at.x, at.y, size.width, size.height}, ownerWindow());
    if (selectFirst) {
        child->moveHover(1);
    }
}

void UIMenu::activate(int32_t index) {
    if (!isSelectable(index)) {
        return;
    }
    UIMenuItem& item = *items_[static_cast<size_t>(index)];
    if (!item.enabled) {
        return;
    }
    if (item.submenu) {
        openSubmenu(index, true);
        return;
    }
    finish(item.id);
}

void UIMenu::finish(int32_t id) {
    root()->chosen_ = id;
    closeAll();
}

void UIMenu::OnTimer(int32_t identifier) {
    if (identifier != kSubmenuTimer) {
        return;
    }
    StopTimer(this, kSubmenuTimer);
    int32_t index = pendingSubmenu_;
    pendingSubmenu_ = -1;
    if (index == hovered_ && isSelectable(index) && items_[static_cast<size_t>(index)]->submenu) {
        openSubmenu(index, false);
    } else if (index == -2) {
        closeSubmenu();
    }
}

bool UIMenu::onWindowMouse(NativeMouseKind kind, Point position, uint32_t, uint32_t) {
    UIMenu* top = root();
    if (this != top) {
        // Submenus see the mouse through the root, which holds it.
        return true;
    }
    Point screen = nativeWindow().exists() ? nativeWindow().clientToScreen(position) : position;
    UIMenu* target = nullptr;
    for (UIMenu* menu = deepestOpen(); menu; menu = menu->parentMenu_) {
        Rect area = menu->nativeWindow().exists() ? menu->screenRect() : menu->rect();
        if (area.contains(screen.x, screen.y)) {
            target = menu;
            position = Point{screen.x - area.x, screen.y - area.y};
            break;
        }
    }
    if (!target) {
        if (kind == NativeMouseKind::Press || kind == NativeMouseKind::DoubleClick) {
            closeAll();
        } else if (kind == NativeMouseKind::Move) {
            UIMenu* deepest = deepestOpen();
            if (!deepest->openChild_) {
                deepest->setHovered(-1);
            }
        }
        return true;
    }
    const int32_t index = target->itemAt(position);
    switch (kind) {
    case NativeMouseKind::Move:
        if (index != target->hovered_) {
            target->setHovered(index);
            if (target->isSelectable(index) &&
                target->items_[static_cast<size_t>(index)]->submenu) {
                target->pendingSubmenu_ = index;
                StartTimer(target, kSubmenuTimer, kSubmenuDelayMs);
            } else if (target->openChild_) {
                target->pendingSubmenu_ = -2;
                StartTimer(target, kSubmenuTimer, kSubmenuDelayMs);
            }
        }
        break;
    case NativeMouseKind::Press:
    case NativeMouseKind::DoubleClick:
        if (target->isSelectable(index) && target->items_[static_cast<size_t>(index)]->submenu) {
            target->openSubmenu(index, false);
        }
        break;
    case NativeMouseKind::Release:
        if (target->isSelectable(index) && !target->items_[static_cast<size_t>(index)]->submenu) {
            target->activate(index);
        }
        break;
    }
    return true;
}

// --- Keyboard ---

bool UIMenu::onWindowKey(const KeyEvent& event) {
    return root()->deepestOpen()->handleKey(event);
}

bool UIMenu::handleKey(const KeyEvent& event) {
    switch (event.key) {
    case KeyDown:
        moveHover(1);
        return true;
    case KeyUp:
        moveHover(-1);
        return true;
    case KeyHome:
        hovered_ = -1;
        moveHover(1);
        return true;
    case KeyEnd:
        hovered_ = -1;
        moveHover(-1);
        return true;
    case KeyRight:
        if (isSelectable(hovered_) && items_[static_cast<size_t>(hovered_)]->submenu) {
            openSubmenu(hovered_, true);
        } else if (root()->onNavigateSideways) {
            root()->onNavigateSideways(1);
        }
        return true;
    case KeyLeft:
        if (parentMenu_) {
            parentMenu_->closeSubmenu();
        } else if (onNavigateSideways) {
            onNavigateSideways(-1);
        }
        return true;
    case KeyReturn:
    case KeySpace:
        activate(hovered_);
        return true;
    case KeyEscape:
        if (parentMenu_) {
            parentMenu_->closeSubmenu();
        } else {
            closeAll();
        }
        return true;
    case KeyAlt:
    case KeyF10:
        closeAll();
        return true;
    default:
        // Everything else belongs to the menu while it is open.
        return true;
    }
}

bool UIMenu::onChar(const CharEvent& event) {
    UIMenu* menu = root()->deepestOpen();
    menu->handleMnemonic(toLowerChar(event.character));
    return true;
}

bool UIMenu::handleMnemonic(char16_t character) {
    if (character == 0) {
        return false;
    }
    std::vector<int32_t> marked;
    std::vector<int32_t> initial;
    for (size_t i = 0; i < items_.size(); ++i) {
        const UIMenuItem& item = *items_[i];
        if (item.separator || !item.enabled) {
            continue;
        }
        if (mnemonicOf(item.text) == character) {
            marked.push_back(static_cast<int32_t>(i));
        } else if (firstLetterOf(item.text) == character) {
            initial.push_back(static_cast<int32_t>(i));
        }
    }
    // A unique accelerator chooses at once; first letters only move the highlight.
    if (marked.size() == 1) {
        setHovered(marked.front());
        activate(marked.front());
        return true;
    }
    std::vector<int32_t>& candidates = marked.empty() ? initial : marked;
    if (candidates.empty()) {
        return false;
    }
    auto next = std::upper_bound(candidates.begin(), candidates.end(), hovered_);
    setHovered(next == candidates.end() ? candidates.front() : *next);
    return true;
}

} // namespace fw
