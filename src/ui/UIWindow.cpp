#include "ui/UIWindow.h"

#include "capture/Screen.h"
#include "platform/SystemInfo.h"
#include "platform/Time.h"
#include "ui/Offscreen.h"
#include "ui/UIPainter.h"
#include "ui/UIToolTip.h"

#include <algorithm>

namespace fw {

namespace {

std::vector<UIWindow*>& windowRegistry() {
    static std::vector<UIWindow*> windows;
    return windows;
}

std::function<uint32_t()>& pressClock() {
    static std::function<uint32_t()> clock = [] { return os::tickCount(); };
    return clock;
}

// The event type of values delivered through the second-start message.
constexpr int32_t kNativeEventType = 128;

} // namespace

UIWindow::UIWindow(WideString className) : UIWidget(std::move(className)), native_(this) {
    dpi_ = os::screenDpi();
    background_ = Paint::solid(rgb(43, 43, 43));
    windowRegistry().push_back(this);
}

UIWindow::~UIWindow() {
    native_.detachClient();
    auto& windows = windowRegistry();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    for (UIWindow* other : windows) {
        if (other->popup_ == this) {
            other->popup_ = nullptr;
        }
        if (other->owner_ == this) {
            other->owner_ = nullptr;
        }
    }
    if (modalDepth_) {
        eventLoop().endFrame(modalDepth_, 0);
    }
    focus_ = hovered_ = grabber_ = nullptr;
    // The children go while this is still a window, so that they can unregister.
    while (!children().empty()) {
        takeChild(children().back().get());
    }
    // A window without children (a pop-up list) is itself what the mouse rests on.
    toolTipWidgetGoing(this);
    native_.destroy();
}

const std::vector<UIWindow*>& UIWindow::allWindows() {
    return windowRegistry();
}

std::vector<UIWindow*> UIWindow::windowsOfClass(WideStringView className) {
    std::vector<UIWindow*> found;
    for (UIWindow* w : windowRegistry()) {
        if (w->className() == className) {
            found.push_back(w);
        }
    }
    return found;
}

UIWindow* UIWindow::fromNativeHandle(void* handle) {
    for (UIWindow* w : windowRegistry()) {
        if (handle && w->native_.handle() == handle) {
            return w;
        }
    }
    return nullptr;
}

void UIWindow::setClock(std::function<uint32_t()> clock) {
    pressClock() = clock ? std::move(clock) : [] { return os::tickCount(); };
}

void UIWindow::setWindowFlags(uint32_t flags) {
    native_.setFlags(flags);
}

void UIWindow::setTitle(WideString title) {
    title_ = std::move(title);
    native_.setTitle(title_);
}

bool UIWindow::createNative() {
    if (native_.exists()) {
        return true;
    }
    UIWindow* owner = owner_ && owner_->createNative() ? owner_ : nullptr;
    if (!native_.create(owner ? &owner->native_ : nullptr, true)) {
        return false;
    }
    native_.setTitle(title_);
    setWindowDpi(native_.dpi());
    return true;
}

void UIWindow::show() {
    if (!createNative()) {
        return;
    }
    if (rect().isEmpty()) {
        // Never sized by its owner: as large as it wants to be, over its owner.
        adjustSize();
        centerOnOwner();
    }
    layoutNow();
    native_.show(ShowMode::Normal);
    if (layered_) {
        refreshLayeredContent();
    }
    onShown(true);
}

void UIWindow::showNoActivate() {
    if (!createNative()) {
        return;
    }
    layoutNow();
    native_.show(ShowMode::NoActivate);
    if (layered_) {
        refreshLayeredContent();
    }
    onShown(true);
}

void UIWindow::showMaximized() {
    if (!createNative()) {
        return;
    }
    native_.show(ShowMode::Maximized);
    layoutNow();
    onShown(true);
}

void UIWindow::hide() {
    if (popup_) {
        popup_->close();
    }
    releaseGrab();
    setHovered(nullptr);
    toolTipDismiss();
    const bool wasShown = native_.isVisible();
    native_.hide();
    if (wasShown) {
        onShown(false);
    }
}

bool UIWindow::isShown() const {
    return native_.isVisible();
}

void UIWindow::close() {
    if (!onCloseRequest()) {
        return;
    }
    hide();
    if (modalDepth_) {
        endModal(0);
    }
    if (onClosed) {
        // The handler may destroy this window: nothing touches it afterwards.
        auto closed = onClosed;
        closed();
    }
}

bool UIWindow::onCloseRequest() {
    return true;
}

void UIWindow::activate() {
    native_.activate();
}

bool UIWindow::isActive() const {
    return native_.exists() ? active_ : true;
}

Rect UIWindow::screenRect() const {
    if (native_.exists()) {
        return native_.clientRect();
    }
    return rect();
}

void UIWindow::setScreenRect(const Rect& client) {
    if (createNative()) {
        native_.setFrameRect(native_.frameForClient(client));
    }
    if (Size{width(), height()} != Size{client.width, client.height}) {
        setGeometry(Rect{0, 0, client.width, client.height});
    }
}

void UIWindow::moveTo(Point screenClientOrigin) {
    Rect r = screenRect();
    setScreenRect(Rect{screenClientOrigin.x, screenClientOrigin.y, r.width, r.height});
}

void UIWindow::adjustSize() {
    Size hint = effectiveSizeHint();
    Size minimum = effectiveMinimumSize();
    Rect r = screenRect();
    setScreenRect(
        Rect{r.x, r.y, std::max(hint.width, minimum.width), std::max(hint.height, minimum.height)});
}

void UIWindow::centerOnOwner() {
    Rect client = screenRect();
    Rect area;
    if (owner_ && owner_->isShown()) {
        area = owner_->screenRect();
    } else {
        area = os::monitorOfPoint(os::cursorPosition(), true);
        if (area.isEmpty()) {
            area = os::primaryWorkArea();
        }
    }
    Point origin{area.x + (area.width - client.width) / 2,
                 area.y + (area.height - client.height) / 2};
    // Kept on the monitor's work area when the owner sits near its edge.
    Rect work = os::monitorOfPoint(Point{area.x + area.width / 2, area.y + area.height / 2}, true);
    if (!work.isEmpty()) {
        origin.x = std::clamp(origin.x, work.x, std::max(work.x, work.right() - client.width));
        origin.y = std::clamp(origin.y, work.y, std::max(work.y, work.bottom() - client.height));
    }
    moveTo(origin);
}

void UIWindow::retranslateAll() {
    // A copy: a widget may open or close a pop-up while it changes.
    const std::vector<UIWindow*> windows = windowRegistry();
    for (UIWindow* window : windows) {
        const auto& alive = windowRegistry();
        if (std::find(alive.begin(), alive.end(), window) == alive.end()) {
            continue;
        }
        window->retranslate();
        window->forEachDescendant([](UIWidget& widget) { widget.retranslate(); });
    }
}

int UIWindow::exec() {
    std::vector<UIWindow*> disabled;
    for (UIWindow* w : windowRegistry()) {
        if (w != this && w->native_.exists() && w->native_.isEnabled() && w->isShown()) {
            w->native_.setEnabled(false);
            disabled.push_back(w);
        }
    }
    EventLoop& loop = eventLoop();
    const bool wasModal = loop.isModal();
    loop.setModal(true);
    show();
    activate();
    modalDepth_ = loop.depth() + 1;
    const int code = loop.run();
    modalDepth_ = 0;
    // The owner is enabled again before this window hides, so that Windows
    // gives it the activation back.
    for (UIWindow* w : disabled) {
        const auto& alive = windowRegistry();
        if (std::find(alive.begin(), alive.end(), w) != alive.end()) {
            w->native_.setEnabled(true);
        }
    }
    hide();
    if (!wasModal) {
        loop.postModalEnd();
    }
    return code;
}

void UIWindow::endModal(int code) {
    if (modalDepth_) {
        eventLoop().endFrame(modalDepth_, code);
    }
}

void UIWindow::setFocusWidget(UIWidget* widget) {
    if (widget == focus_ || (widget && widget->window() != this)) {
        return;
    }
    UIWidget* old = focus_;
    focus_ = widget;
    if (old) {
        old->onFocusOut();
    }
    if (widget && widget == focus_) {
        widget->onFocusIn();
    }
}

std::vector<UIWidget*> UIWindow::tabChain() const {
    std::vector<UIWidget*> chain;
    std::function<void(const UIWidget&)> collect = [&](const UIWidget& w) {
        for (const auto& child : w.children()) {
            if (!child->isVisibleFlag() || !child->isEnabledFlag()) {
                continue;
            }
            if (child->acceptsTabFocus()) {
                chain.push_back(child.get());
            }
            collect(*child);
        }
    };
    collect(*this);
    return chain;
}

bool UIWindow::focusNext(bool forward) {
    std::vector<UIWidget*> chain = tabChain();
    if (chain.empty()) {
        return false;
    }
    auto current = std::find(chain.begin(), chain.end(), focus_);
    size_t index = 0;
    if (current == chain.end()) {
        index = forward ? 0 : chain.size() - 1;
    } else {
        size_t at = static_cast<size_t>(current - chain.begin());
        index = forward ? (at + 1) % chain.size() : (at + chain.size() - 1) % chain.size();
    }
    focusCues_ = true;
    setFocusWidget(chain[index]);
    return true;
}

bool UIWindow::onEscape() {
    if (modalDepth_) {
        close();
        return true;
    }
    return false;
}

void UIWindow::invalidate(const Rect& windowRect) {
    if (layered_) {
        if (!layeredRefreshPending_ && native_.exists()) {
            layeredRefreshPending_ = true;
            defer([this] { refreshLayeredContent(); });
        }
        return;
    }
    native_.invalidate(windowRect);
}

void UIWindow::invalidateAll() {
    invalidate(rect());
}

void UIWindow::scheduleLayout() {
    if (layoutPending_) {
        return;
    }
    layoutPending_ = true;
    defer([this] {
        if (layoutPending_) {
            layoutNow();
        }
    });
}

void UIWindow::layoutNow() {
    layoutPending_ = false;
    relayout();
    invalidateAll();
}

void UIWindow::paint(UIPainter& painter) {
    if (background_.isVisible()) {
        painter.fillPaint(rect(), background_);
    }
    if (alphaOf(borderColor_) != 0) {
        painter.drawRect(rect(), borderColor_);
    }
}

void UIWindow::paintWidget(UIWidget& widget, UIPainter& painter, const Rect& dirty) {
    if (!widget.isVisibleFlag() || widget.rect().isEmpty()) {
        return;
    }
    Rect area = widget.windowRect();
    if (intersect(area, dirty).isEmpty()) {
        return;
    }
    painter.save();
    if (&widget != this) {
        painter.translate(widget.geometry().x, widget.geometry().y);
    }
    painter.clipTo(widget.rect());
    widget.paint(painter);
    for (const auto& child : widget.children()) {
        paintWidget(*child, painter, dirty);
    }
    widget.paintOver(painter);
    painter.restore();
}

void UIWindow::paintTree(UIPainter& painter, const Rect& dirty) {
    if (layoutPending_) {
        layoutNow();
    }
    painter.save();
    painter.clipTo(dirty);
    paintWidget(*this, painter, dirty);
    painter.restore();
}

Image UIWindow::render() {
    if (layoutPending_) {
        layoutNow();
    }
    return renderOffscreen(Size{width(), height()}, dpi_,
                           [this](UIPainter& painter) { paintTree(painter, rect()); });
}

void UIWindow::refreshLayeredContent() {
    layeredRefreshPending_ = false;
    if (!native_.exists() || rect().isEmpty()) {
        return;
    }
    Image content = render();
    native_.setContent(&content);
}

void UIWindow::setWindowDpi(int32_t dpi) {
    if (dpi <= 0 || dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    onDpiChanged();
    for (const auto& child : children()) {
        std::function<void(UIWidget&)> notify = [&](UIWidget& w) {
            w.onDpiChanged();
            for (const auto& grandchild : w.children()) {
                notify(*grandchild);
            }
        };
        notify(*child);
    }
    scheduleLayout();
}

void UIWindow::setProperty(WideStringView name, WideStringView value) {
    if (name == u"background") {
        background_ = parseStyleBackground(value);
    } else if (name == u"borderColor") {
        borderColor_ = parseStyleColor(value);
    } else {
        return;
    }
    invalidateAll();
}

UIWidget* UIWindow::widgetAt(Point windowPosition) const {
    const UIWidget* current = this;
    Point local = windowPosition;
    if (!rect().contains(local.x, local.y)) {
        return nullptr;
    }
    while (true) {
        const UIWidget* next = nullptr;
        // Later children lie on top.
        for (auto it = current->children().rbegin(); it != current->children().rend(); ++it) {
            const UIWidget& child = **it;
            if (child.isVisibleFlag() && child.geometry().contains(local.x, local.y)) {
                next = &child;
                break;
            }
        }
        if (!next) {
            return const_cast<UIWidget*>(current);
        }
        local.x -= next->geometry().x;
        local.y -= next->geometry().y;
        current = next;
    }
}

void UIWindow::setHovered(UIWidget* widget) {
    if (widget == hovered_) {
        return;
    }
    UIWidget* old = hovered_;
    hovered_ = widget;
    if (old) {
        old->onMouseLeave();
        old->update();
    }
    if (widget) {
        widget->onMouseEnter();
        widget->update();
    }
}

void UIWindow::releaseGrab() {
    if (grabber_) {
        grabber_ = nullptr;
        native_.setMouseCapture(false);
    }
}

bool UIWindow::isDoubleClick(Point position, uint32_t button, uint32_t time) {
    const Size box = os::doubleClickSize();
    const bool isDouble = !lastPressWasDouble_ && button == lastPressButton_ &&
                          time - lastPressTime_ <= os::doubleClickTime() &&
                          std::abs(position.x - lastPressPosition_.x) <= box.width / 2 &&
                          std::abs(position.y - lastPressPosition_.y) <= box.height / 2;
    lastPressTime_ = time;
    lastPressButton_ = button;
    lastPressPosition_ = position;
    lastPressWasDouble_ = isDouble;
    return isDouble;
}

void UIWindow::deliverMouse(NativeMouseKind kind, UIWidget* target, Point position, uint32_t button,
                            uint32_t buttons, uint32_t modifiers) {
    MouseEvent event{Point{}, position, button, buttons, modifiers};
    for (UIWidget* w = target; w; w = w->parent()) {
        if (!w->isEnabled()) {
            continue;
        }
        event.position = w->mapFromWindow(position);
        bool handled = false;
        switch (kind) {
        case NativeMouseKind::Press:
            handled = w->onMousePress(event);
            break;
        case NativeMouseKind::DoubleClick:
            handled = w->onMouseDoubleClick(event);
            break;
        case NativeMouseKind::Release:
            handled = w->onMouseRelease(event);
            break;
        case NativeMouseKind::Move:
            handled = w->onMouseMove(event);
            break;
        }
        if (handled) {
            const bool press =
                kind == NativeMouseKind::Press || kind == NativeMouseKind::DoubleClick;
            if (press && !grabber_ && buttons != 0) {
                grabber_ = w;
                native_.setMouseCapture(true);
            }
            return;
        }
        // A widget that holds the mouse gets its events alone.
        if (w == grabber_ || w == this) {
            return;
        }
    }
}

void UIWindow::dispatchMouse(NativeMouseKind kind, Point position, uint32_t button,
                             uint32_t buttons, uint32_t modifiers) {
    if (onWindowMouse(kind, position, button, buttons)) {
        return;
    }
    if (kind == NativeMouseKind::Press || kind == NativeMouseKind::DoubleClick) {
        toolTipDismiss();
        if (popup_) {
            // A click outside an open menu closes it and goes no further.
            UIWindow* popup = popup_;
            popup_ = nullptr;
            popup->close();
            return;
        }
        if (kind == NativeMouseKind::Press && isDoubleClick(position, button, pressClock()())) {
            kind = NativeMouseKind::DoubleClick;
        }
        UIWidget* target = grabber_ ? grabber_ : widgetAt(position);
        if (!grabber_) {
            for (UIWidget* w = target; w; w = w->parent()) {
                if ((static_cast<uint32_t>(w->focusPolicy()) &
                     static_cast<uint32_t>(FocusPolicy::Click)) &&
                    w->isEnabled()) {
                    focusCues_ = false;
                    setFocusWidget(w);
                    break;
                }
                if (w == this) {
                    break;
                }
            }
        }
        deliverMouse(kind, target, position, button, buttons, modifiers);
        return;
    }
    if (kind == NativeMouseKind::Release) {
        UIWidget* target = grabber_ ? grabber_ : widgetAt(position);
        deliverMouse(kind, target, position, button, buttons, modifiers);
        if (buttons == 0) {
            releaseGrab();
            setHovered(widgetAt(position));
        }
        return;
    }
    if (!grabber_) {
        setHovered(widgetAt(position));
    }
    UIWidget* target = grabber_ ? grabber_ : hovered_;
    deliverMouse(kind, target, position, button, buttons, modifiers);
    if (!grabber_ && hovered_) {
        toolTipMouseMoved(hovered_, position);
    }
}

void UIWindow::dispatchWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers) {
    toolTipDismiss();
    if (onWindowWheel(position, delta, vertical, modifiers)) {
        return;
    }
    if (popup_) {
        popup_->dispatchWheel(position, delta, vertical, modifiers);
        return;
    }
    UIWidget* target = grabber_ ? grabber_ : widgetAt(position);
    WheelEvent event{Point{}, position, delta, vertical, modifiers};
    for (UIWidget* w = target; w; w = w->parent()) {
        event.position = w->mapFromWindow(position);
        if (w->isEnabled() && w->onWheel(event)) {
            return;
        }
        if (w == this) {
            return;
        }
    }
}

void UIWindow::dispatchMouseLeave() {
    if (!grabber_) {
        setHovered(nullptr);
    }
    toolTipDismiss();
}

bool UIWindow::dispatchKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat) {
    if (key == KeyAlt && down && !autoRepeat) {
        altChordUsed_ = false;
    }
    const bool used = routeKey(down, key, modifiers, autoRepeat);
    if (down && used && key != KeyAlt && (modifiers & ModifierAlt)) {
        altChordUsed_ = true;
    }
    if (!down && key == KeyAlt && altChordUsed_) {
        // Windows takes an Alt released after a chord it did not see for a lone
        // Alt and opens the window menu: after a chord the toolkit used, the
        // release counts as used too.
        altChordUsed_ = false;
        return true;
    }
    return used;
}

bool UIWindow::routeKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat) {
    if (popup_) {
        return popup_->dispatchKey(down, key, modifiers, autoRepeat);
    }
    KeyEvent event{key, modifiers, autoRepeat};
    if (down) {
        toolTipDismiss();
        if (onWindowKey(event)) {
            return true;
        }
    }
    const bool navigation = key == KeyTab || (key >= KeyPageUp && key <= KeyDown) || key == KeyAlt;
    if (down && navigation && !focusCues_) {
        focusCues_ = true;
        if (focus_) {
            focus_->update();
        }
    }
    bool used = false;
    for (UIWidget* w = focus_ ? focus_ : this; w; w = w->parent()) {
        if (w->isEnabled() && (down ? w->onKeyPress(event) : w->onKeyRelease(event))) {
            used = true;
            break;
        }
        if (w == this) {
            break;
        }
    }
    if (offerToKeyHandlers(down, event, used) || used) {
        return true;
    }
    if (!down) {
        return false;
    }
    if (key == KeyTab && !(modifiers & (ModifierControl | ModifierAlt))) {
        focusNext(!(modifiers & ModifierShift));
        return true;
    }
    if (key == KeyReturn && defaultAction_ && !(modifiers & ModifierAlt)) {
        auto action = defaultAction_;
        action();
        return true;
    }
    if (key == KeyEscape && modifiers == 0) {
        return onEscape();
    }
    return false;
}

void UIWindow::dispatchChar(char16_t character, uint32_t modifiers) {
    if (popup_) {
        popup_->dispatchChar(character, modifiers);
        return;
    }
    CharEvent event{character, modifiers};
    for (UIWidget* w = focus_ ? focus_ : this; w; w = w->parent()) {
        if (w->isEnabled() && w->onChar(event)) {
            return;
        }
        if (w == this) {
            return;
        }
    }
}

void UIWindow::addKeyHandler(UIWidget* owner, KeyHandler handler) {
    keyHandlers_.emplace_back(owner, std::move(handler));
}

void UIWindow::removeKeyHandlers(UIWidget* owner) {
    std::erase_if(keyHandlers_, [owner](const auto& entry) { return entry.first == owner; });
}

bool UIWindow::offerToKeyHandlers(bool down, const KeyEvent& event, bool used) {
    // A copy: a handler may open or close windows and add or remove handlers.
    auto handlers = keyHandlers_;
    for (const auto& [owner, handler] : handlers) {
        const bool present =
            std::any_of(keyHandlers_.begin(), keyHandlers_.end(),
                        [owner = owner](const auto& entry) { return entry.first == owner; });
        if (present && owner->isVisible() && owner->isEnabled() && handler(down, event, used) &&
            !used) {
            return true;
        }
    }
    return false;
}

bool UIWindow::onWindowKey(const KeyEvent&) {
    return false;
}

bool UIWindow::onWindowWheel(Point, int32_t, bool, uint32_t) {
    return false;
}

bool UIWindow::onWindowMouse(NativeMouseKind, Point, uint32_t, uint32_t) {
    return false;
}

void UIWindow::onCaptureLostByWindow() {}

void UIWindow::onActivated(bool) {}

void UIWindow::onShown(bool) {}

void UIWindow::widgetGoing(UIWidget* widget) {
    auto within = [widget](UIWidget* w) { return w && (w == widget || widget->isAncestorOf(w)); };
    if (within(focus_)) {
        focus_ = nullptr;
    }
    if (within(hovered_)) {
        hovered_ = nullptr;
    }
    if (within(grabber_)) {
        releaseGrab();
    }
    std::erase_if(keyHandlers_, [&within](const auto& entry) { return within(entry.first); });
    toolTipWidgetGoing(widget);
}

void UIWindow::widgetDisabled(UIWidget* widget) {
    auto within = [widget](UIWidget* w) { return w && (w == widget || widget->isAncestorOf(w)); };
    if (within(focus_)) {
        UIWidget* old = focus_;
        focus_ = nullptr;
        old->onFocusOut();
    }
    if (within(grabber_)) {
        UIWidget* old = grabber_;
        releaseGrab();
        old->onCaptureLost();
    }
}

void UIWindow::widgetHidden(UIWidget* widget) {
    widgetDisabled(widget);
    auto within = [widget](UIWidget* w) { return w && (w == widget || widget->isAncestorOf(w)); };
    if (within(hovered_)) {
        setHovered(nullptr);
    }
    toolTipWidgetGoing(widget);
}

void UIWindow::onNativePaint(UIPainter& painter, const Rect& dirty) {
    paintTree(painter, dirty);
}

void UIWindow::onNativeResize(Size client) {
    setGeometry(Rect{0, 0, client.width, client.height});
    if (layered_) {
        invalidateAll();
    }
}

void UIWindow::onNativeMouse(NativeMouseKind kind, Point position, uint32_t button,
                             uint32_t buttons, uint32_t modifiers) {
    dispatchMouse(kind, position, button, buttons, modifiers);
}

void UIWindow::onNativeWheel(Point position, int32_t delta, bool vertical, uint32_t modifiers) {
    dispatchWheel(position, delta, vertical, modifiers);
}

void UIWindow::onNativeMouseLeave() {
    dispatchMouseLeave();
}

bool UIWindow::onNativeKey(bool down, uint32_t key, uint32_t modifiers, bool autoRepeat) {
    return dispatchKey(down, key, modifiers, autoRepeat);
}

void UIWindow::onNativeChar(char16_t character, uint32_t modifiers) {
    // Control characters arrive as key presses already.
    if (character >= 0x20 || character == u'\t') {
        if (character != u'\t') {
            dispatchChar(character, modifiers);
        }
    }
}

void UIWindow::onNativeClose() {
    close();
}

void UIWindow::onNativeActivate(bool active) {
    active_ = active;
    if (!active) {
        if (popup_) {
            UIWindow* popup = popup_;
            popup_ = nullptr;
            popup->close();
        }
        toolTipDismiss();
    }
    if (focus_) {
        focus_->update();
    }
    onActivated(active);
}

void UIWindow::onNativeCaptureLost() {
    if (grabber_) {
        UIWidget* old = grabber_;
        grabber_ = nullptr;
        old->onCaptureLost();
    }
    onCaptureLostByWindow();
}

void UIWindow::onNativeDpiChanged(int32_t dpi, const Rect& suggestedWindowRect) {
    setWindowDpi(dpi);
    native_.setFrameRect(suggestedWindowRect);
    layoutNow();
}

int32_t UIWindow::onNativeCursor(Point position) {
    UIWidget* w = grabber_ ? grabber_ : widgetAt(position);
    return w ? w->cursorAt(w->mapFromWindow(position)) : 1;
}

void UIWindow::onNativeEvent(intptr_t value) {
    ToolkitEvent event;
    event.type = kNativeEventType;
    event.value = value;
    eventLoop().post(this, std::move(event));
}

Size UIWindow::onNativeMinimumSize() {
    return effectiveMinimumSize();
}

bool UIWindow::onNativeSystemCommand(uint32_t) {
    return false;
}

} // namespace fw
