#include "ui/UIWidget.h"

#include "platform/SystemInfo.h"
#include "resources/StyleResources.h"
#include "ui/UILayout.h"
#include "ui/UIWindow.h"

#include <algorithm>
#include <cmath>

namespace fw {

UIWidget::UIWidget(WideString className) : className_(std::move(className)) {}

UIWidget::~UIWidget() {
    if (UIWindow* w = window(); w && w != this) {
        w->widgetGoing(this);
    }
    // Children go first, while their parent still exists for them to look at.
    while (!children_.empty()) {
        children_.pop_back();
    }
}

UIWidget* UIWidget::addChild(std::unique_ptr<UIWidget> child) {
    UIWidget* added = child.get();
    added->parent_ = this;
    children_.push_back(std::move(child));
    added->applySkins();
    updateGeometry();
    return added;
}

std::unique_ptr<UIWidget> UIWidget::takeChild(UIWidget* child) {
    auto found = std::find_if(children_.begin(), children_.end(),
                              [child](const auto& owned) { return owned.get() == child; });
    if (found == children_.end()) {
        return nullptr;
    }
    if (UIWindow* w = window()) {
        w->widgetGoing(child);
    }
    std::unique_ptr<UIWidget> taken = std::move(*found);
    children_.erase(found);
    taken->parent_ = nullptr;
    updateGeometry();
    return taken;
}

UIWindow* UIWidget::window() const {
    const UIWidget* w = this;
    while (w && !w->isWindow()) {
        w = w->parent_;
    }
    return const_cast<UIWindow*>(static_cast<const UIWindow*>(w));
}

bool UIWidget::isAncestorOf(const UIWidget* other) const {
    for (const UIWidget* w = other ? other->parent_ : nullptr; w; w = w->parent_) {
        if (w == this) {
            return true;
        }
    }
    return false;
}

void UIWidget::forEachDescendant(const std::function<void(UIWidget&)>& visit) {
    for (const auto& child : children_) {
        visit(*child);
        child->forEachDescendant(visit);
    }
}

UIWidget* UIWidget::findByName(WideStringView name) {
    if (name_ == name) {
        return this;
    }
    for (const auto& child : children_) {
        if (UIWidget* found = child->findByName(name)) {
            return found;
        }
    }
    return nullptr;
}

std::vector<UIWidget*> UIWidget::findByClass(WideStringView className) {
    std::vector<UIWidget*> found;
    if (className_ == className) {
        found.push_back(this);
    }
    forEachDescendant([&](UIWidget& w) {
        if (w.className_ == className) {
            found.push_back(&w);
        }
    });
    return found;
}

void UIWidget::setGeometry(const Rect& r) {
    const bool resized = r.width != geometry_.width || r.height != geometry_.height;
    if (r == geometry_) {
        return;
    }
    if (!isWindow()) {
        update();
    }
    geometry_ = r;
    if (!isWindow()) {
        update();
    }
    if (resized) {
        relayout();
        onResize();
    }
}

Rect UIWidget::windowRect() const {
    Point origin = mapToWindow(Point{});
    return Rect{origin.x, origin.y, geometry_.width, geometry_.height};
}

Point UIWidget::mapToWindow(Point local) const {
    for (const UIWidget* w = this; w && !w->isWindow(); w = w->parent_) {
        local.x += w->geometry_.x;
        local.y += w->geometry_.y;
    }
    return local;
}

Point UIWidget::mapFromWindow(Point windowPoint) const {
    Point origin = mapToWindow(Point{});
    return Point{windowPoint.x - origin.x, windowPoint.y - origin.y};
}

Size UIWidget::sizeHint() const {
    if (layout_) {
        return layout_->sizeHint();
    }
    return Size{};
}

Size UIWidget::minimumSizeHint() const {
    if (layout_) {
        return layout_->minimumSize();
    }
    return sizeHint();
}

namespace {

Size clampSize(Size s, Size low, Size high) {
    return Size{std::clamp(s.width, low.width, std::max(low.width, high.width)),
                std::clamp(s.height, low.height, std::max(low.height, high.height))};
}

} // namespace

Size UIWidget::effectiveSizeHint() const {
    Size hint = sizeHint();
    if (horizontalPolicy_ == SizePolicy::Fixed && minimumSize_.width == maximumSize_.width) {
        hint.width = minimumSize_.width;
    }
    if (verticalPolicy_ == SizePolicy::Fixed && minimumSize_.height == maximumSize_.height) {
        hint.height = minimumSize_.height;
    }
    return clampSize(hint, minimumSize_, maximumSize_);
}

Size UIWidget::effectiveMinimumSize() const {
    Size minimum = minimumSizeHint();
    if (horizontalPolicy_ == SizePolicy::Fixed) {
        minimum.width = effectiveSizeHint().width;
    }
    if (verticalPolicy_ == SizePolicy::Fixed) {
        minimum.height = effectiveSizeHint().height;
    }
    return clampSize(minimum, minimumSize_, maximumSize_);
}

void UIWidget::setMinimumSize(Size size) {
    minimumSize_ = size;
    updateGeometry();
}

void UIWidget::setMaximumSize(Size size) {
    maximumSize_ = size;
    updateGeometry();
}

void UIWidget::setFixedSize(Size size) {
    minimumSize_ = size;
    maximumSize_ = size;
    horizontalPolicy_ = SizePolicy::Fixed;
    verticalPolicy_ = SizePolicy::Fixed;
    updateGeometry();
}

void UIWidget::setSizePolicy(SizePolicy horizontal, SizePolicy vertical) {
    horizontalPolicy_ = horizontal;
    verticalPolicy_ = vertical;
    updateGeometry();
}

void UIWidget::setLayout(std::unique_ptr<UILayout> layout) {
    layout_ = std::move(layout);
    if (layout_) {
        layout_->setOwner(this);
    }
    updateGeometry();
}

void UIWidget::updateGeometry() {
    if (UIWindow* w = window()) {
        w->scheduleLayout();
    }
}

void UIWidget::relayout() {
    if (layout_) {
        layout_->arrange(rect());
    }
}

void UIWidget::setVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    if (!visible) {
        update();
    }
    visible_ = visible;
    if (UIWindow* w = window(); w && w != this && !visible) {
        w->widgetHidden(this);
    }
    if (visible) {
        update();
    }
    updateGeometry();
    notifyStateChanged();
}

bool UIWidget::isVisible() const {
    for (const UIWidget* w = this; w; w = w->parent_) {
        if (!w->visible_) {
            return false;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return true;
}

void UIWidget::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (UIWindow* w = window(); w && w != this && !enabled) {
        w->widgetDisabled(this);
    }
    update();
    notifyStateChanged();
}

bool UIWidget::isEnabled() const {
    for (const UIWidget* w = this; w; w = w->parent_) {
        if (!w->enabled_) {
            return false;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return true;
}

void UIWidget::notifyStateChanged() {
    onStateChanged();
    forEachDescendant([](UIWidget& w) { w.onStateChanged(); });
}

bool UIWidget::acceptsTabFocus() const {
    return (static_cast<uint32_t>(focusPolicy_) & static_cast<uint32_t>(FocusPolicy::Tab)) &&
           isVisible() && isEnabled() && !geometry_.isEmpty();
}

bool UIWidget::hasFocus() const {
    UIWindow* w = window();
    return w && w->focusWidget() == this;
}

bool UIWidget::showsFocus() const {
    UIWindow* w = window();
    return w && w->focusWidget() == this && w->focusCuesVisible() && w->isActive();
}

void UIWidget::setFocus() {
    if (UIWindow* w = window()) {
        w->setFocusWidget(this);
    }
}

bool UIWidget::isHovered() const {
    UIWindow* w = window();
    return w && w->hoveredWidget() == this;
}

bool UIWidget::isPressedByMouse() const {
    UIWindow* w = window();
    return w && w->mouseGrabber() == this;
}

void UIWidget::update() {
    update(rect());
}

void UIWidget::update(const Rect& local) {
    UIWindow* w = window();
    if (!w || !isVisible()) {
        return;
    }
    Rect area = intersect(local, rect());
    if (area.isEmpty()) {
        return;
    }
    Point origin = mapToWindow(Point{area.x, area.y});
    w->invalidate(Rect{origin.x, origin.y, area.width, area.height});
}

void UIWidget::paint(UIPainter&) {}

void UIWidget::paintOver(UIPainter&) {}

void UIWidget::setProperty(WideStringView, WideStringView) {}

void UIWidget::bindSkin(WideStringView, const Skin&) {}

void UIWidget::applySkins() {
    const StyleResources* style = currentStyleResources();
    if (!style) {
        return;
    }
    for (const auto& [name, skin] : style->skins()) {
        bindSkin(name, skin);
    }
}

void UIWidget::setProperties(
    std::initializer_list<std::pair<WideStringView, WideStringView>> values) {
    for (const auto& [name, value] : values) {
        setProperty(name, value);
    }
}

int32_t UIWidget::cursorAt(Point) const {
    return cursorId_;
}

void UIWidget::setToolTip(WideString text) {
    toolTip_ = std::move(text);
}

WideString UIWidget::toolTipAt(Point, Rect& area) const {
    area = rect();
    return toolTip_;
}

int32_t UIWidget::dpi() const {
    if (UIWindow* w = window()) {
        return w->windowDpi();
    }
    return os::screenDpi();
}

float UIWidget::scale() const {
    return static_cast<float>(dpi()) / 96.0f;
}

int32_t UIWidget::px(int32_t logical) const {
    const int32_t d = dpi();
    if (d == 96) {
        return logical;
    }
    return static_cast<int32_t>(std::lround(static_cast<double>(logical) * d / 96.0));
}

Size UIWidget::px(Size logical) const {
    return Size{px(logical.width), px(logical.height)};
}

Margins UIWidget::px(const Margins& logical) const {
    return Margins{px(logical.left), px(logical.top), px(logical.right), px(logical.bottom)};
}

int32_t UIWidget::metric(int32_t metricId) const {
    const StyleResources* style = currentStyleResources();
    return style ? px(style->metric(static_cast<MetricId>(metricId))) : 0;
}

bool UIWidget::onMousePress(const MouseEvent&) {
    return false;
}

bool UIWidget::onMouseRelease(const MouseEvent&) {
    return false;
}

bool UIWidget::onMouseDoubleClick(const MouseEvent& event) {
    return onMousePress(event);
}

bool UIWidget::onMouseMove(const MouseEvent&) {
    return false;
}

bool UIWidget::onWheel(const WheelEvent&) {
    return false;
}

void UIWidget::onMouseEnter() {}

void UIWidget::onMouseLeave() {}

bool UIWidget::onKeyPress(const KeyEvent&) {
    return false;
}

bool UIWidget::onKeyRelease(const KeyEvent&) {
    return false;
}

bool UIWidget::onChar(const CharEvent&) {
    return false;
}

void UIWidget::onFocusIn() {
    update();
}

void UIWidget::onFocusOut() {
    update();
}

void UIWidget::onCaptureLost() {}

void UIWidget::onResize() {}

void UIWidget::onDpiChanged() {
    updateGeometry();
}

void UIWidget::onStateChanged() {}

void UIWidget::retranslate() {}

void UIWidget::OnTimer(int32_t) {}

void UIWidget::defer(std::function<void()> action) {
    eventLoop().post(this, std::move(action));
}

} // namespace fw
