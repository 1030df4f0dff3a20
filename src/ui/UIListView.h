#pragma once
// The part of a UIList that shows its items: it draws the background picture,
// the items in view (or the blank text of an empty list) and the selection,
// and turns clicks into selection, activation and context-menu requests. Its
// tooltip is the tooltip of the item under the mouse, whose cell is the
// tooltip's area.
#include "ui/UIWidget.h"

#include <cstdint>

namespace fw {

class UIList;
class UIListItem;
struct FontMetrics;

class UIListView : public UIWidget {
public:
    explicit UIListView(UIList* list);

    UIList& list() const { return *list_; }
    // The item under a point of the view; -1 over none.
    int32_t itemAt(Point local) const;
    // An item's cell in the view's coordinates at the current scroll position.
    Rect itemRect(int32_t index) const;

    void paint(UIPainter& painter) override;
    bool onMousePress(const MouseEvent& event) override;
    bool onMouseRelease(const MouseEvent& event) override;
    bool onMouseDoubleClick(const MouseEvent& event) override;
    WideString toolTipAt(Point local, Rect& area) const override;

private:
    struct Metrics;
    void paintBlank(UIPainter& painter) const;
    void paintItem(UIPainter& painter, const UIListItem& item, const Rect& cell,
                   const Metrics& metrics) const;
    void paintItemBackground(UIPainter& painter, int32_t index, const Rect& cell) const;
    void paintIconCell(UIPainter& painter, const UIListItem& item, const Rect& cell,
                       const Metrics& metrics) const;
    void paintListRow(UIPainter& painter, const UIListItem& item, const Rect& cell,
                      const Metrics& metrics) const;
    Color textColor(int32_t index) const;
    Color detailColor() const;

    UIList* list_;
    int32_t rightPressed_ = -1;
};

} // namespace fw
