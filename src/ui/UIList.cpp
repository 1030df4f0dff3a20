#include "ui/UIList.h"

#include "capture/ImageOps.h"
#include "platform/Time.h"
#include "ui/Resample.h"
#include "ui/TextLayout.h"
#include "ui/UIListView.h"
#include "ui/UIPainter.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <algorithm>

namespace fw {

namespace {

// Typing more letters within this time extends the search for an item.
constexpr uint32_t kTypeAheadMs = 1000;

template <typename T> struct Property {
    const char16_t* name;
    T ListLook::*member;
};

constexpr Property<FontSpec> kFonts[] = {
    {u"font", &ListLook::font},
    {u"detailedFont", &ListLook::detailedFont},
    {u"blankFont", &ListLook::blankFont},
};
constexpr Property<Paint> kPaints[] = {
    {u"foreground", &ListLook::foreground},
    {u"detailedForeground", &ListLook::detailedForeground},
    {u"disabledDetailedForeground", &ListLook::disabledDetailedForeground},
    {u"disabledForeground", &ListLook::disabledForeground},
    {u"defaultItemForeground", &ListLook::defaultItemForeground},
    {u"selectedItemForeground", &ListLook::selectedItemForeground},
    {u"alternateItemForeground", &ListLook::alternateItemForeground},
    {u"blankForeground", &ListLook::blankForeground},
    {u"shadowBlankForeground", &ListLook::shadowBlankForeground},
};
constexpr Property<Paint> kBackgrounds[] = {
    {u"background", &ListLook::background},
    {u"defaultItemBackground", &ListLook::defaultItemBackground},
    {u"selectedItemBackground", &ListLook::selectedItemBackground},
    {u"alternateItemBackground", &ListLook::alternateItemBackground},
};
constexpr Property<Color> kColors[] = {
    {u"gridColor", &ListLook::gridColor},
    {u"borderColor", &ListLook::borderColor},
};
constexpr Property<int32_t> kIntegers[] = {
    {u"listModeItemHeight", &ListLook::listModeItemHeight},
    {u"listModeItemSpacing", &ListLook::listModeItemSpacing},
    {u"iconModeItemHorizontalSpacing", &ListLook::iconModeItemHorizontalSpacing},
    {u"iconModeItemVerticalSpacing", &ListLook::iconModeItemVerticalSpacing},
    {u"spacingBetweenIconAndText", &ListLook::spacingBetweenIconAndText},
    {u"spacingBetweenTextAndDetailedText", &ListLook::spacingBetweenTextAndDetailedText},
    {u"isDrawGrid", &ListLook::isDrawGrid},
};
constexpr Property<Margins> kRectangles[] = {
    {u"listModeItemPadding", &ListLook::listModeItemPadding},
    {u"iconModeItemPadding", &ListLook::iconModeItemPadding},
    {u"iconModePadding", &ListLook::iconModePadding},
};

template <typename T, size_t N, typename Parse>
bool setFrom(ListLook& look, const Property<T> (&table)[N], WideStringView name,
             WideStringView value, Parse parse) {
    for (const Property<T>& p : table) {
        if (name == p.name) {
            look.*(p.member) = parse(value);
            return true;
        }
    }
    return false;
}

Paint unset() {
    return Paint::solid(kTransparentColor);
}

} // namespace

// --- Items ---

UIListItem::UIListItem(WideString text, WideString detailText, Image picture)
    : text_(std::move(text)), detailText_(std::move(detailText)) {
    setPicture(std::move(picture));
}

void UIListItem::changed() {
    if (list_) {
        list_->itemChanged(*this);
    }
}

void UIListItem::setText(WideString text) {
    text_ = std::move(text);
    changed();
}

void UIListItem::setDetailText(WideString text) {
    detailText_ = std::move(text);
    changed();
}

void UIListItem::setPicture(Image picture) {
    const bool had = !picture_.isEmpty();
    if (!picture.isEmpty() && picture.hasAlpha() && !picture.premultiplied()) {
        picture = picture.clone();
        premultiply(picture);
    }
    picture_ = std::move(picture);
    fitted_ = Image();
    fittedSize_ = Size{};
    if (list_ && had != !picture_.isEmpty()) {
        list_->picturedItems_ += had ? -1 : 1;
    }
    changed();
}

void UIListItem::setToolTip(WideString text) {
    toolTip_ = std::move(text);
}

const Image& UIListItem::pictureFor(Size box, int32_t dpi) const {
    if (picture_.isEmpty() || box.width < 1 || box.height < 1) {
        return fitted_ = Image();
    }
    // Up to the resolution's scale, and smaller to fit the box.
    const double scale = std::min(
        {dpi / 96.0, double(box.width) / picture_.width(), double(box.height) / picture_.height()});
    const Size size{std::max(1, int32_t(picture_.width() * scale + 0.5)),
                    std::max(1, int32_t(picture_.height() * scale + 0.5))};
    if (size == Size{picture_.width(), picture_.height()}) {
        return picture_;
    }
    if (size != fittedSize_ || fitted_.isEmpty()) {
        fitted_ = resize(picture_, size.width, size.height, ResampleFilter::Bicubic);
        fitted_.setPremultiplied(picture_.premultiplied());
        fittedSize_ = size;
    }
    return fitted_;
}

// --- Look ---

ListLook::ListLook()
    : font(defaultFont()), detailedFont(defaultFont().withSize(9.5f)), blankFont(defaultFont()),
      foreground(Paint::solid(theme::kText)), detailedForeground(Paint::solid(theme::kDimText)),
      disabledDetailedForeground(Paint::solid(theme::kDisabledText)),
      disabledForeground(Paint::solid(theme::kDisabledText)), defaultItemForeground(unset()),
      selectedItemForeground(unset()), alternateItemForeground(unset()),
      blankForeground(Paint::solid(theme::kDimText)), shadowBlankForeground(unset()),
      background(Paint::solid(theme::kList)), defaultItemBackground(unset()),
      selectedItemBackground(unset()), alternateItemBackground(unset()), gridColor(theme::kBorder),
      borderColor(kTransparentColor) {}

bool ListLook::set(WideStringView name, WideStringView value) {
    if (name == u"iconModeItemSize") {
        iconModeItemSize = parseStyleSize(value);
        return true;
    }
    return setFrom(*this, kFonts, name, value, parseStyleFont) ||
           setFrom(*this, kPaints, name, value, parseStylePaint) ||
           setFrom(*this, kBackgrounds, name, value, parseStyleBackground) ||
           setFrom(*this, kColors, name, value, parseStyleColor) ||
           setFrom(*this, kIntegers, name, value, parseStyleInteger) ||
           setFrom(*this, kRectangles, name, value, parseStyleRectangle);
}

// --- The list ---

UIList::UIList() : UIWidget(u"UIList") {
    setFocusPolicy(FocusPolicy::Strong);
    setSizePolicy(SizePolicy::Expanding, SizePolicy::Expanding);
    view_ = add<UIListView>(this);
    scrollBar_ = add<UIScrollBar>(Direction::Vertical);
    scrollBar_->setSmoothScrolling(true);
    scrollBar_->hide();
    scrollBar_->onValueChanged = [this](int32_t) { view_->update(); };
}

UIList::~UIList() = default;

void UIList::setViewMode(ViewMode mode) {
    if (mode == mode_) {
        return;
    }
    mode_ = mode;
    arrange();
    ensureVisible(current_, false);
    update();
}

UIListItem* UIList::item(int32_t index) const {
    return index >= 0 && index < count() ? items_[index].get() : nullptr;
}

UIListItem* UIList::addItem(std::unique_ptr<UIListItem> item) {
    return insertItem(count(), std::move(item));
}

UIListItem* UIList::addItem(WideString text, WideString detailText, Image picture) {
    return addItem(
        std::make_unique<UIListItem>(std::move(text), std::move(detailText), std::move(picture)));
}

void UIList::renumberFrom(int32_t index) {
    for (int32_t i = std::max(0, index); i < count(); ++i) {
        items_[i]->index_ = i;
    }
}

UIListItem* UIList::insertItem(int32_t index, std::unique_ptr<UIListItem> item) {
    if (!item || item->list_) {
        return nullptr;
    }
    index = std::clamp(index, 0, count());
    UIListItem* added = item.get();
    added->list_ = this;
    picturedItems_ += added->picture().isEmpty() ? 0 : 1;
    items_.insert(items_.begin() + index, std::move(item));
    renumberFrom(index);
    if (selected_ >= index) {
        ++selected_;
    }
    if (current_ >= index) {
        ++current_;
    }
    arrange();
    view_->update();
    return added;
}

void UIList::removeItem(int32_t index) {
    if (index < 0 || index >= count()) {
        return;
    }
    picturedItems_ -= items_[index]->picture().isEmpty() ? 0 : 1;
    items_.erase(items_.begin() + index);
    renumberFrom(index);
    const bool selectionGone = selected_ == index;
    if (selected_ > index) {
        --selected_;
    } else if (selectionGone) {
        selected_ = -1;
    }
    if (current_ > index) {
        --current_;
    }
    current_ = std::min(current_, count() - 1);
    arrange();
    view_->update();
    if (selectionGone && onSelectionChanged) {
        auto changed = onSelectionChanged;
        changed(-1);
    }
}

void UIList::clear() {
    const bool hadSelection = selected_ >= 0;
    items_.clear();
    picturedItems_ = 0;
    selected_ = current_ = -1;
    arrange();
    scrollBar_->setValue(0);
    view_->update();
    if (hadSelection && onSelectionChanged) {
        auto changed = onSelectionChanged;
        changed(-1);
    }
}

void UIList::itemChanged(const UIListItem& item) {
    Rect r = itemRect(item.index());
    view_->update(Rect{r.x - view_->geometry().x, r.y - view_->geometry().y, r.width, r.height});
}

void UIList::setSelectedIndex(int32_t index) {
    if (index < -1 || index >= count()) {
        index = -1;
    }
    if (index >= 0) {
        current_ = index;
    }
    if (index == selected_) {
        view_->update();
        return;
    }
    selected_ = index;
    view_->update();
    if (onSelectionChanged) {
        auto changed = onSelectionChanged;
        changed(index);
    }
}

void UIList::setCurrent(int32_t index, bool select) {
    if (index < 0 || index >= count()) {
        return;
    }
    current_ = index;
    if (select) {
        setSelectedIndex(index);
    }
    view_->update();
}

void UIList::activate(int32_t index) {
    if (index >= 0 && index < count() && onItemActivated) {
        auto activated = onItemActivated;
        activated(index);
    }
}

Point UIList::screenPoint(Point windowPoint) const {
    UIWindow* w = window();
    const Rect client = w ? w->screenRect() : Rect{};
    return Point{client.x + windowPoint.x, client.y + windowPoint.y};
}

void UIList::requestContextMenu(int32_t index, Point windowPoint) {
    if (onContextMenu) {
        auto menu = onContextMenu;
        menu(index, screenPoint(windowPoint));
    }
}

int32_t UIList::scrollPosition() const {
    return scrollBar_->value();
}

void UIList::ensureVisible(int32_t index, bool glide) {
    if (index < 0 || index >= count() || !view_) {
        return;
    }
    Rect r = geometry_.itemRect(index);
    // The padding comes along, so that the first and last rows touch no edge.
    const int32_t above = geometry_.padding.top;
    const int32_t below = geometry_.padding.bottom;
    const int32_t viewHeight = view_->height();
    const int32_t top = scrollBar_->targetValue();
    int32_t wanted = top;
    if (r.y - above < top || r.height + above + below > viewHeight) {
        wanted = r.y - above;
    } else if (r.bottom() + below > top + viewHeight) {
        wanted = r.bottom() + below - viewHeight;
    }
    if (glide && isVisible() && window()) {
        scrollBar_->scrollTo(wanted);
    } else {
        scrollBar_->setValue(wanted);
    }
}

Rect UIList::itemRect(int32_t index) const {
    Rect r = geometry_.itemRect(index);
    if (r.isEmpty()) {
        return r;
    }
    const Rect view = view_->geometry();
    return Rect{r.x + view.x, r.y + view.y - scrollPosition(), r.width, r.height};
}

int32_t UIList::itemAt(Point local) const {
    const Rect view = view_->geometry();
    if (!view.contains(local.x, local.y)) {
        return -1;
    }
    return geometry_.itemAt(Point{local.x - view.x, local.y - view.y + scrollPosition()});
}

ListGeometry::Range UIList::visibleRange() const {
    return geometry_.itemsIn(scrollPosition(), view_->height());
}

void UIList::setBlankText(WideString text) {
    blankText_ = std::move(text);
    if (items_.empty()) {
        view_->update();
    }
}

void UIList::setBackgroundPicture(Image picture, uint32_t alignment) {
    backgroundPicture_ = ScaledImage(std::move(picture));
    backgroundAlignment_ = alignment;
    view_->update();
}

ListGeometry UIList::makeGeometry(int32_t viewWidth) const {
    ListGeometry g;
    g.count = count();
    g.viewWidth = viewWidth;
    if (mode_ == ViewMode::Icon) {
        g.grid = true;
        g.padding = px(look_.iconModePadding);
        g.cell = px(look_.iconModeItemSize);
        g.cell.width = std::max(1, g.cell.width);
        g.cell.height = std::max(1, g.cell.height);
        g.horizontalSpacing = std::max(0, px(look_.iconModeItemHorizontalSpacing));
        g.verticalSpacing = std::max(0, px(look_.iconModeItemVerticalSpacing));
        return g;
    }
    int32_t rowHeight = px(look_.listModeItemHeight);
    if (rowHeight <= 0) {
        rowHeight =
            fontMetrics(look_.font, dpi()).height + px(look_.listModeItemPadding).vertical();
    }
    g.cell = Size{viewWidth, std::max(1, rowHeight)};
    g.verticalSpacing = std::max(0, px(look_.listModeItemSpacing));
    return g;
}

Rect UIList::viewArea() const {
    // The background skin's frame or the border line stays clear of items.
    int32_t inset = alphaOf(look_.borderColor) != 0 ? px(1) : 0;
    if (backgroundSkin_ && backgroundSkin_->isSliced()) {
        inset = std::max(inset, px(1));
    }
    return shrink(rect(), Margins{inset, inset, inset, inset});
}

void UIList::arrange() {
    const Rect area = viewArea();
    geometry_ = makeGeometry(area.width);
    const bool needsBar = geometry_.contentHeight() > area.height;
    const int32_t bar = needsBar ? scrollBar_->thickness() : 0;
    if (needsBar) {
        geometry_ = makeGeometry(std::max(0, area.width - bar));
    }
    view_->setGeometry(Rect{area.x, area.y, std::max(0, area.width - bar), area.height});
    scrollBar_->setGeometry(Rect{area.right() - bar, area.y, bar, area.height});
    scrollBar_->setVisible(needsBar);
    scrollBar_->setPageStep(area.height);
    // In icon mode a wheel notch of three lines scrolls one row.
    scrollBar_->setSingleStep(
        std::max(1, mode_ == ViewMode::Icon ? geometry_.rowPitch() / 3 : geometry_.rowPitch()));
    scrollBar_->setRange(0, std::max(0, geometry_.contentHeight() - area.height));
}

Size UIList::sizeHint() const {
    return Size{px(240), px(180)};
}

Size UIList::minimumSizeHint() const {
    return Size{px(60), px(48)};
}

void UIList::paint(UIPainter& painter) {
    const Rect area = rect();
    // The skin gives the frame; the "background" property the inside.
    drawSkin(painter, backgroundSkin_, 0, area);
    if (look_.background.isVisible()) {
        painter.fillPaint(viewArea(), look_.background);
    }
    if (alphaOf(look_.borderColor) != 0) {
        painter.drawRect(area, look_.borderColor);
    }
}

void UIList::setProperty(WideStringView name, WideStringView value) {
    if (!look_.set(name, value)) {
        return;
    }
    arrange();
    update();
}

void UIList::bindSkin(WideStringView name, const Skin& skin) {
    if (name == u"UIList_Background") {
        backgroundSkin_ = &skin;
    } else if (name == u"UIList_Selection") {
        selectionSkin_ = &skin;
    } else {
        return;
    }
    arrange();
    update();
}

bool UIList::moveBy(ListMove move) {
    const int32_t target =
        geometry_.move(current_, move, scrollBar_->targetValue(), view_->height());
    if (target < 0) {
        return false;
    }
    setCurrent(target, true);
    ensureVisible(target);
    return true;
}

bool UIList::onKeyPress(const KeyEvent& event) {
    if (event.modifiers & ModifierAlt) {
        return false;
    }
    const bool icons = mode_ == ViewMode::Icon;
    if ((event.key == KeyApps && event.modifiers == 0) ||
        (event.key == KeyF10 && event.modifiers == ModifierShift)) {
        const int32_t index = selected_;
        Rect r = index >= 0 ? itemRect(index) : Rect{};
        Point at = r.isEmpty() || intersect(r, view_->geometry()).isEmpty()
                       ? Point{view_->geometry().x + px(8), view_->geometry().y + px(8)}
                       : Point{r.x + r.width / 2, r.y + r.height / 2};
        requestContextMenu(index, mapToWindow(at));
        return true;
    }
    if (event.modifiers & ~uint32_t(ModifierControl)) {
        return false;
    }
    switch (event.key) {
    case KeyLeft:
        return icons && moveBy(ListMove::Left);
    case KeyRight:
        return icons && moveBy(ListMove::Right);
    case KeyUp:
        return moveBy(ListMove::Up);
    case KeyDown:
        return moveBy(ListMove::Down);
    case KeyHome:
        return moveBy(ListMove::Home);
    case KeyEnd:
        return moveBy(ListMove::End);
    case KeyPageUp:
        return moveBy(ListMove::PageUp);
    case KeyPageDown:
        return moveBy(ListMove::PageDown);
    case KeySpace:
        if (current_ >= 0) {
            setCurrent(current_, true);
            return true;
        }
        return moveBy(ListMove::Home);
    case KeyReturn:
        if (selected_ < 0 || event.modifiers != 0) {
            return false;
        }
        activate(selected_);
        return true;
    default:
        return false;
    }
}

bool UIList::typeAhead(char16_t character) {
    const uint32_t now = os::tickCount();
    if (now - lastTypedAt_ > kTypeAheadMs) {
        typed_.clear();
    }
    lastTypedAt_ = now;
    typed_ += toLowerChar(character);
    // The same letter again steps through the items that begin with it.
    const bool repeated =
        std::all_of(typed_.begin(), typed_.end(), [&](char16_t c) { return c == typed_[0]; });
    const WideString prefix = repeated ? WideString(1, typed_[0]) : typed_;
    const int32_t start = repeated || current_ < 0 ? current_ + 1 : current_;
    for (int32_t k = 0; k < count(); ++k) {
        const int32_t i = (start + k) % count();
        if (startsWith(toLowerCase(items_[i]->text()), prefix)) {
            setCurrent(i, true);
            ensureVisible(i);
            return true;
        }
    }
    return false;
}

bool UIList::onChar(const CharEvent& event) {
    if (event.character < 0x20 || (event.modifiers & (ModifierControl | ModifierAlt)) ||
        items_.empty()) {
        return false;
    }
    if (event.character == u' ' && typed_.empty()) {
        return false;
    }
    return typeAhead(event.character);
}

bool UIList::onWheel(const WheelEvent& event) {
    // Control with the wheel is left to the window (zoom).
    if (!event.vertical || (event.modifiers & ModifierControl)) {
        return false;
    }
    return scrollBar_->scrollByWheel(event.delta, true);
}

void UIList::onResize() {
    // The first item in view stays first when the columns change.
    const int32_t top = scrollBar_->targetValue();
    const int32_t anchor = geometry_.itemsIn(top, std::max(1, view_->height())).first;
    const int32_t offset = count() > 0 ? top - geometry_.itemRect(anchor).y : 0;
    arrange();
    scrollBar_->setValue(count() > 0 ? geometry_.itemRect(anchor).y + offset : 0);
}

void UIList::onDpiChanged() {
    UIWidget::onDpiChanged();
    arrange();
}

void UIList::onFocusIn() {
    UIWidget::onFocusIn();
    view_->update();
}

void UIList::onFocusOut() {
    UIWidget::onFocusOut();
    view_->update();
}

void UIList::onStateChanged() {
    update();
}

} // namespace fw
