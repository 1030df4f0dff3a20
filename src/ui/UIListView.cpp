#include "ui/UIListView.h"

#include "ui/ScaledArt.h"
#include "ui/TextLayout.h"
#include "ui/TextStyle.h"
#include "ui/UIList.h"
#include "ui/UIPainter.h"

#include <algorithm>

namespace fw {

namespace {

// The selection where the style has neither a selection skin nor a colour.
constexpr Color kFallbackSelection = (0x66u << 24) | (theme::kAccent & 0xFFFFFF);

} // namespace

// Line heights, measured once per paint.
struct UIListView::Metrics {
    int32_t text = 0;
    int32_t detail = 0;
};

UIListView::UIListView(UIList* list) : UIWidget(u"UIListView"), list_(list) {}

int32_t UIListView::itemAt(Point local) const {
    if (!rect().contains(local.x, local.y)) {
        return -1;
    }
    return list_->geometry_.itemAt(Point{local.x, local.y + list_->scrollPosition()});
}

Rect UIListView::itemRect(int32_t index) const {
    Rect r = list_->geometry_.itemRect(index);
    r.y -= list_->scrollPosition();
    return r;
}

void UIListView::paint(UIPainter& painter) {
    const UIList& list = *list_;
    if (!list.backgroundPicture_.isEmpty()) {
        painter.drawImageAligned(list.backgroundPicture_.at(painter.dpi()), rect(),
                                 list.backgroundAlignment_);
    }
    if (list.count() == 0) {
        paintBlank(painter);
    } else {
        const ListLook& look = list.look_;
        const Metrics metrics{fontMetrics(look.font, painter.dpi()).height,
                              fontMetrics(look.detailedFont, painter.dpi()).height};
        // Only the rows that meet what is being repainted are visited.
        const Rect clip = intersect(painter.clipRect(), rect());
        const ListGeometry::Range range =
            list.geometry_.itemsIn(list.scrollPosition() + clip.y, clip.height);
        for (int32_t i = range.first; i < range.end; ++i) {
            const Rect cell = itemRect(i);
            if (!intersect(cell, clip).isEmpty()) {
                paintItem(painter, *list.items_[i], cell, metrics);
            }
        }
    }
    if (list.showsFocus()) {
        const Rect current = list.current_ >= 0 ? itemRect(list.current_) : rect();
        drawFocusRing(painter, shrink(current, Margins{1, 1, 1, 1}), px(3));
    }
}

void UIListView::paintBlank(UIPainter& painter) const {
    const UIList& list = *list_;
    if (list.blankText_.empty()) {
        return;
    }
    const ListLook& look = list.look_;
    const int32_t margin = px(12);
    TextStyle::draw(painter, shrink(rect(), Margins{margin, margin, margin, margin}),
                    list.blankText_, look.blankFont, look.blankForeground,
                    look.shadowBlankForeground, Point{px(1), px(1)},
                    uint32_t(AlignCenter) | TextWordWrap);
}

void UIListView::paintItemBackground(UIPainter& painter, int32_t index, const Rect& cell) const {
    const UIList& list = *list_;
    const ListLook& look = list.look_;
    const bool selected = index == list.selected_;
    const bool alternate = list.geometry_.rowOf(index) % 2 == 1;
    if (selected && look.selectedItemBackground.isVisible()) {
        painter.fillPaint(cell, look.selectedItemBackground);
    } else if (alternate && look.alternateItemBackground.isVisible()) {
        painter.fillPaint(cell, look.alternateItemBackground);
    } else if (look.defaultItemBackground.isVisible()) {
        painter.fillPaint(cell, look.defaultItemBackground);
    }
    if (selected) {
        if (list.selectionSkin_) {
            // Frames: focused, unfocused.
            drawSkin(painter, list.selectionSkin_, list.hasFocus() && list.isEnabled() ? 0 : 1,
                     cell);
        } else if (!look.selectedItemBackground.isVisible()) {
            painter.fillRect(cell, kFallbackSelection);
        }
    }
    if (look.isDrawGrid != 0) {
        if (list.geometry_.grid) {
            painter.drawRect(cell, look.gridColor);
        } else {
            const int32_t y = cell.bottom() - 1;
            painter.drawLine(Point{0, y}, Point{width() - 1, y}, look.gridColor);
        }
    }
}

Color UIListView::textColor(int32_t index) const {
    const UIList& list = *list_;
    const ListLook& look = list.look_;
    if (!list.isEnabled()) {
        return look.disabledForeground.effectiveColor();
    }
    // The item colours fall back to the list's foreground where unset.
    if (index == list.selected_ && look.selectedItemForeground.isVisible()) {
        return look.selectedItemForeground.effectiveColor();
    }
    if (list.geometry_.rowOf(index) % 2 == 1 && look.alternateItemForeground.isVisible()) {
        return look.alternateItemForeground.effectiveColor();
    }
    if (look.defaultItemForeground.isVisible()) {
        return look.defaultItemForeground.effectiveColor();
    }
    return look.foreground.effectiveColor();
}

Color UIListView::detailColor() const {
    const ListLook& look = list_->look_;
    return list_->isEnabled() ? look.detailedForeground.effectiveColor()
                              : look.disabledDetailedForeground.effectiveColor();
}

void UIListView::paintItem(UIPainter& painter, const UIListItem& item, const Rect& cell,
                           const Metrics& metrics) const {
    paintItemBackground(painter, item.index(), cell);
    if (list_->geometry_.grid) {
        paintIconCell(painter, item, cell, metrics);
    } else {
        paintListRow(painter, item, cell, metrics);
    }
}

void UIListView::paintIconCell(UIPainter& painter, const UIListItem& item, const Rect& cell,
                               const Metrics& metrics) const {
    const ListLook& look = list_->look_;
    const Rect inner = shrink(cell, px(look.iconModeItemPadding));
    // From the bottom up: the detail line, the text line, and the picture in
    // what is left above them.
    const bool hasDetail = !item.detailText().empty();
    const Rect detail{inner.x, inner.bottom() - (hasDetail ? metrics.detail : 0), inner.width,
                      hasDetail ? metrics.detail : 0};
    const int32_t textBottom =
        hasDetail ? detail.y - px(look.spacingBetweenTextAndDetailedText) : inner.bottom();
    const Rect text{inner.x, textBottom - metrics.text, inner.width, metrics.text};
    const Rect pictureBox{inner.x, inner.y, inner.width,
                          text.y - px(look.spacingBetweenIconAndText) - inner.y};
    const Image& picture =
        item.pictureFor(Size{pictureBox.width, pictureBox.height}, painter.dpi());
    if (!picture.isEmpty()) {
        painter.drawImageAligned(picture, pictureBox, AlignCenter);
    }
    const uint32_t flags = AlignHCenter | AlignVCenter | TextEllipsis;
    painter.drawText(text, item.text(), look.font, textColor(item.index()), flags);
    if (hasDetail) {
        painter.drawText(detail, item.detailText(), look.detailedFont, detailColor(), flags);
    }
}

void UIListView::paintListRow(UIPainter& painter, const UIListItem& item, const Rect& cell,
                              const Metrics& metrics) const {
    const UIList& list = *list_;
    const ListLook& look = list.look_;
    const Rect inner = shrink(cell, px(look.listModeItemPadding));
    int32_t x = inner.x;
    // Texts line up in a column when any item has a picture.
    if (list.picturedItems_ > 0) {
        const Rect box{x, inner.y, inner.height, inner.height};
        const Image& picture = item.pictureFor(Size{box.width, box.height}, painter.dpi());
        if (!picture.isEmpty()) {
            painter.drawImageAligned(picture, box, AlignCenter);
        }
        x += box.width + px(look.spacingBetweenIconAndText);
    }
    const Rect area{x, inner.y, std::max(0, inner.right() - x), inner.height};
    const uint32_t flags = AlignLeft | AlignVCenter | TextEllipsis;
    const Color color = textColor(item.index());
    if (item.detailText().empty()) {
        painter.drawText(area, item.text(), look.font, color, flags);
        return;
    }
    const int32_t gap = px(look.spacingBetweenTextAndDetailedText);
    const int32_t block = metrics.text + gap + metrics.detail;
    if (area.height >= block) {
        // Tall rows hold the detail under the text.
        const int32_t y = area.y + (area.height - block) / 2;
        painter.drawText(Rect{x, y, area.width, metrics.text}, item.text(), look.font, color,
                         flags);
        painter.drawText(Rect{x, y + metrics.text + gap, area.width, metrics.detail},
                         item.detailText(), look.detailedFont, detailColor(), flags);
        return;
    }
    // Short rows hold it at the right, taking at most half the width.
    const int32_t detailWidth = std::min(
        measureText(item.detailText(), look.detailedFont, painter.dpi()).width, area.width / 2);
    const int32_t space = px(8);
    painter.drawText(Rect{x, area.y, std::max(0, area.width - detailWidth - space), area.height},
                     item.text(), look.font, color, flags);
    painter.drawText(Rect{area.right() - detailWidth, area.y, detailWidth, area.height},
                     item.detailText(), look.detailedFont, detailColor(),
                     AlignRight | AlignVCenter | TextEllipsis);
}

bool UIListView::onMousePress(const MouseEvent& event) {
    if (event.button != MouseLeft && event.button != MouseRight) {
        return false;
    }
    const int32_t index = itemAt(event.position);
    if (index >= 0) {
        list_->setCurrent(index, true);
        list_->ensureVisible(index);
    }
    rightPressed_ = event.button == MouseRight ? index : -1;
    return true;
}

bool UIListView::onMouseRelease(const MouseEvent& event) {
    if (event.button == MouseRight) {
        // Where Windows opens context menus: on the release of the button.
        if (rect().contains(event.position.x, event.position.y)) {
            list_->requestContextMenu(rightPressed_, event.windowPosition);
        }
        rightPressed_ = -1;
        return true;
    }
    return event.button == MouseLeft;
}

bool UIListView::onMouseDoubleClick(const MouseEvent& event) {
    if (event.button != MouseLeft) {
        return onMousePress(event);
    }
    const int32_t index = itemAt(event.position);
    if (index < 0) {
        return true;
    }
    list_->setCurrent(index, true);
    list_->activate(index);
    return true;
}

WideString UIListView::toolTipAt(Point local, Rect& area) const {
    const int32_t index = itemAt(local);
    if (index >= 0 && !list_->items_[index]->toolTip().empty()) {
        area = intersect(itemRect(index), rect());
        return list_->items_[index]->toolTip();
    }
    area = rect();
    return list_->toolTip();
}

} // namespace fw
