#pragma once
// A list of items, each with a text, a detail text, a picture, a tooltip and
// a pointer of the application's. In list mode the items are rows; in icon
// mode they are cells of equal size filling the width row by row, each with
// its picture centred above its text and detail text.
//
// One item at a time is selected (drawn with "UIList_Selection": focused,
// unfocused). The keyboard moves the selection (arrows, by rows in icon mode;
// Home, End, Page Up, Page Down; typing the start of an item's text), Enter
// and a double click activate an item, and the right button, the Apps key and
// Shift+F10 ask for its context menu. The vertical scroll bar glides to its
// targets on timer ticks. Only the items in view are ever laid out or drawn:
// their places come from arithmetic (ListGeometry), so thousands of items
// scroll as fast as a few.
//
// The items are drawn by the list's view, a UIListView child, over the
// list's background and an optional background picture.
#include "ui/ListGeometry.h"
#include "ui/ScaledArt.h"
#include "ui/TextStyle.h"
#include "ui/UIWidget.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class UIList;
class UIListView;
class UIScrollBar;

class UIListItem {
public:
    explicit UIListItem(WideString text = WideString(), WideString detailText = WideString(),
                        Image picture = Image());
    UIListItem(const UIListItem&) = delete;
    UIListItem& operator=(const UIListItem&) = delete;

    const WideString& text() const { return text_; }
    void setText(WideString text);
    const WideString& detailText() const { return detailText_; }
    void setDetailText(WideString text);
    const Image& picture() const { return picture_; }
    void setPicture(Image picture);
    const WideString& toolTip() const { return toolTip_; }
    void setToolTip(WideString text);
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    // The list that holds the item and its place there; null and -1 outside one.
    UIList* list() const { return list_; }
    int32_t index() const { return index_; }

    // The picture scaled to fit `box` at `dpi` (never beyond the resolution's
    // own scale), kept until a different size is asked for.
    const Image& pictureFor(Size box, int32_t dpi) const;

private:
    friend class UIList;
    void changed();

    WideString text_;
    WideString detailText_;
    Image picture_;
    WideString toolTip_;
    void* userData_ = nullptr;
    UIList* list_ = nullptr;
    int32_t index_ = -1;
    mutable Image fitted_;
    mutable Size fittedSize_;
};

// The list's look: every style property of the class.
struct ListLook {
    ListLook();
    FontSpec font;
    FontSpec detailedFont;
    FontSpec blankFont;
    Paint foreground;
    Paint detailedForeground;
    Paint disabledDetailedForeground;
    Paint disabledForeground;
    Paint defaultItemForeground;
    Paint selectedItemForeground;
    Paint alternateItemForeground;
    Paint blankForeground;
    Paint shadowBlankForeground;
    Paint background;
    Paint defaultItemBackground;
    Paint selectedItemBackground;
    Paint alternateItemBackground;
    Color gridColor;
    Color borderColor;
    int32_t listModeItemHeight = 0; // 0: a line of text and the padding
    int32_t listModeItemSpacing = 0;
    int32_t iconModeItemHorizontalSpacing = 10;
    int32_t iconModeItemVerticalSpacing = 10;
    int32_t spacingBetweenIconAndText = 6;
    int32_t spacingBetweenTextAndDetailedText = 2;
    int32_t isDrawGrid = 0;
    Margins listModeItemPadding{6, 2, 6, 2};
    Margins iconModeItemPadding{10, 10, 10, 10};
    Margins iconModePadding{10, 10, 10, 10};
    Size iconModeItemSize{120, 150};

    // Sets a property by name; false for a name that is not the list's.
    bool set(WideStringView name, WideStringView value);
    bool operator==(const ListLook&) const = default;
};

class UIList : public UIWidget {
public:
    enum class ViewMode : int32_t { List = 0, Icon = 1 };

    UIList();
    ~UIList() override;

    ViewMode viewMode() const { return mode_; }
    void setViewMode(ViewMode mode);

    // Items. The list owns them; the pointers stay valid until the item is removed.
    int32_t count() const { return static_cast<int32_t>(items_.size()); }
    UIListItem* item(int32_t index) const;
    UIListItem* addItem(std::unique_ptr<UIListItem> item);
    UIListItem* addItem(WideString text, WideString detailText = WideString(),
                        Image picture = Image());
    // At `index` (clamped to 0...count); the items from there on move down one.
    UIListItem* insertItem(int32_t index, std::unique_ptr<UIListItem> item);
    // Removing the selected item leaves nothing selected (onSelectionChanged
    // runs); the keyboard goes on from the item that took its place.
    void removeItem(int32_t index);
    void clear();

    // Selection: one item, or none (-1).
    int32_t selectedIndex() const { return selected_; }
    UIListItem* selectedItem() const { return item(selected_); }
    void setSelectedIndex(int32_t index);
    // The item the keyboard moves from (the selected one, or where it was).
    int32_t currentIndex() const { return current_; }

    // Scrolls so that the item is wholly in view: gliding, or at once.
    void ensureVisible(int32_t index, bool glide = true);
    // Where the items are now: rectangles in the list's coordinates at the
    // current scroll position, the item under a point of the list, and the
    // items drawn.
    Rect itemRect(int32_t index) const;
    int32_t itemAt(Point local) const;
    ListGeometry::Range visibleRange() const;
    const ListGeometry& geometry() const { return geometry_; }
    int32_t scrollPosition() const;

    // Shown in the middle of an empty list.
    void setBlankText(WideString text);
    const WideString& blankText() const { return blankText_; }
    // A picture behind the items, placed in the view by `alignment`; it does
    // not scroll.
    void setBackgroundPicture(Image picture, uint32_t alignment = AlignCenter);

    UIScrollBar* verticalScrollBar() const { return scrollBar_; }
    UIListView* view() const { return view_; }
    const ListLook& look() const { return look_; }

    std::function<void(int32_t)> onSelectionChanged;
    // Double click or Enter on an item.
    std::function<void(int32_t)> onItemActivated;
    // Right click (-1 over no item), Apps key or Shift+F10; the point is on
    // the screen, where a menu should open.
    std::function<void(int32_t, Point)> onContextMenu;

    Size sizeHint() const override;
    Size minimumSizeHint() const override;
    void paint(UIPainter& painter) override;
    void setProperty(WideStringView name, WideStringView value) override;
    void bindSkin(WideStringView name, const Skin& skin) override;
    bool onKeyPress(const KeyEvent& event) override;
    bool onChar(const CharEvent& event) override;
    bool onWheel(const WheelEvent& event) override;
    void onResize() override;
    void onDpiChanged() override;
    void onFocusIn() override;
    void onFocusOut() override;
    void onStateChanged() override;

private:
    friend class UIListItem;
    friend class UIListView;

    // Places the view and the scroll bar and works the geometry out anew.
    void arrange();
    Rect viewArea() const;
    ListGeometry makeGeometry(int32_t viewWidth) const;
    void renumberFrom(int32_t index);
    void itemChanged(const UIListItem& item);
    // Makes `index` the current item, and selected when `select`.
    void setCurrent(int32_t index, bool select);
    void activate(int32_t index);
    void requestContextMenu(int32_t index, Point windowPoint);
    bool moveBy(ListMove move);
    bool typeAhead(char16_t character);
    Point screenPoint(Point windowPoint) const;

    ViewMode mode_ = ViewMode::List;
    std::vector<std::unique_ptr<UIListItem>> items_;
    int32_t picturedItems_ = 0;
    int32_t selected_ = -1;
    int32_t current_ = -1;
    ListLook look_;
    ListGeometry geometry_;
    WideString blankText_;
    ScaledImage backgroundPicture_;
    uint32_t backgroundAlignment_ = AlignCenter;
    const Skin* backgroundSkin_ = nullptr;
    const Skin* selectionSkin_ = nullptr;
    UIListView* view_ = nullptr;
    UIScrollBar* scrollBar_ = nullptr;
    WideString typed_;
    uint32_t lastTypedAt_ = 0;
};

} // namespace fw
