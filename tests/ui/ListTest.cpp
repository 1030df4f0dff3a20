#include "ui/UIButton.h"
#include "ui/UIList.h"
#include "ui/UIListView.h"
#include "ui/UIScrollBar.h"
#include "ui/UIWindow.h"

#include <gtest/gtest.h>

#include <functional>

namespace fw {
namespace {

// An icon-mode list styled as the screenshot list, at (10, 10) in its window.
struct ListFixture {
    explicit ListFixture(int32_t items, Size size = {560, 400}, int32_t dpi = 96) {
        window.setWindowDpi(dpi);
        window.setGeometry(Rect{0, 0, size.width + 20, size.height + 20});
        list = window.add<UIList>();
        list->setViewMode(UIList::ViewMode::Icon);
        list->setProperties({{u"iconModeItemSize", u"120,150"},
                             {u"iconModePadding", u"10"},
                             {u"iconModeItemPadding", u"10"},
                             {u"iconModeItemVerticalSpacing", u"10"},
                             {u"iconModeItemHorizontalSpacing", u"10"}});
        for (int32_t i = 0; i < items; ++i) {
            UIListItem* item = list->addItem(u"Shot " + toWide(i), u"Today");
            item->setToolTip(u"Tip " + toWide(i));
        }
        list->setGeometry(Rect{10, 10, size.width, size.height});
        list->setFocus();
        list->onSelectionChanged = [this](int32_t i) { selections.push_back(i); };
        list->onItemActivated = [this](int32_t i) { activated.push_back(i); };
        list->onContextMenu = [this](int32_t i, Point at) { menus.push_back({i, at}); };
    }
    bool key(uint32_t k, uint32_t modifiers = 0) { return window.dispatchKey(true, k, modifiers); }
    void click(Point at, uint32_t button = MouseLeft) {
        window.dispatchMouse(NativeMouseKind::Press, at, button, button, 0);
        window.dispatchMouse(NativeMouseKind::Release, at, button, 0, 0);
    }
    struct Menu {
        int32_t index;
        Point at;
        bool operator==(const Menu&) const = default;
    };
    UIWindow window;
    UIList* list;
    std::vector<int32_t> selections;
    std::vector<int32_t> activated;
    std::vector<Menu> menus;
};

TEST(ListTest, IconCellsAtBothZoomEndsAndTheRowsInView) {
    // 100 items need the scroll bar: 548 pixels wide leave room for 4 columns.
    ListFixture f(100);
    EXPECT_TRUE(f.list->verticalScrollBar()->isVisibleFlag());
    EXPECT_EQ(f.list->geometry().columns(), 4);
    EXPECT_EQ(f.list->itemRect(5), (Rect{140, 170, 120, 150}));
    EXPECT_EQ(f.list->verticalScrollBar()->maximum(), 20 + 25 * 150 + 24 * 10 - 400);
    f.list->setProperty(u"iconModeItemSize", u"204,234");
    EXPECT_EQ(f.list->geometry().columns(), 2);
    EXPECT_EQ(f.list->itemRect(5), (Rect{224, 498, 204, 234}));

    f.list->setProperty(u"iconModeItemSize", u"120,150");
    f.list->verticalScrollBar()->setValue(1000);
    // Rows 6 to 8 meet the band from 1000 to 1400.
    EXPECT_EQ(f.list->visibleRange(), (ListGeometry::Range{24, 36}));
    EXPECT_EQ(f.list->itemRect(24).y, 10 + 6 * 160 - 1000);
    EXPECT_EQ(f.list->itemAt(Point{150, 10 + 6 * 160 - 1000 + 40}), 25);
    EXPECT_EQ(f.list->itemAt(Point{135, 100}), -1); // between columns

    // Narrowing keeps the first item in view at the top.
    f.list->setGeometry(Rect{10, 10, 300, 400});
    EXPECT_EQ(f.list->geometry().columns(), 2);
    EXPECT_EQ(f.list->visibleRange().first, 24);

    ListFixture high(100, Size{840, 600}, 144);
    EXPECT_EQ(high.list->itemRect(5), (Rect{210, 255, 180, 225}));
}

TEST(ListTest, ArrowsMoveByItemsAndRowsPagesByWholeRows) {
    ListFixture f(10);
    f.list->setSelectedIndex(1);
    f.selections.clear();
    for (uint32_t k :
         {KeyDown, KeyDown, KeyDown, KeyUp, KeyRight, KeyDown, KeyLeft, KeyHome, KeyEnd}) {
        EXPECT_TRUE(f.key(k));
    }
    // From 6 there is no item below: the last one stands in.
    EXPECT_EQ(f.selections, (std::vector<int32_t>{5, 9, 5, 6, 9, 8, 0, 9}));

    ListFixture pages(100);
    pages.list->setSelectedIndex(1);
    pages.key(KeyPageDown); // to the last whole row in view
    EXPECT_EQ(pages.list->selectedIndex(), 5);
    pages.key(KeyPageDown); // a page further, scrolled into view
    EXPECT_EQ(pages.list->selectedIndex(), 9);
    EXPECT_EQ(pages.list->verticalScrollBar()->targetValue(), 10 + 2 * 160 + 150 + 10 - 400);
    pages.key(KeyPageUp);
    EXPECT_EQ(pages.list->selectedIndex(), 5);
    pages.key(KeyEnd, ModifierControl);
    EXPECT_EQ(pages.list->selectedIndex(), 99);
    EXPECT_EQ(pages.list->verticalScrollBar()->targetValue(),
              pages.list->verticalScrollBar()->maximum());

    // List mode: one row per key, and the sideways keys are left to others.
    f.list->setViewMode(UIList::ViewMode::List);
    f.list->setSelectedIndex(3);
    EXPECT_TRUE(f.key(KeyDown));
    EXPECT_EQ(f.list->selectedIndex(), 4);
    EXPECT_FALSE(f.key(KeyRight));
    EXPECT_EQ(f.list->selectedIndex(), 4);
    // Typing selects by the start of the text; the same letter again steps on.
    f.window.dispatchChar(u's');
    EXPECT_EQ(f.list->selectedIndex(), 5);
    f.window.dispatchChar(u's');
    EXPECT_EQ(f.list->selectedIndex(), 6);
}

TEST(ListTest, ActivationAndContextMenuFromKeysAndMouse) {
    ListFixture f(10);
    uint32_t now = 10000;
    UIWindow::setClock([&now] { return now; });
    // Item 6 lies at (270, 170) in the list, (280, 180) in the window.
    const Point inSix{330, 250};
    f.click(inSix);
    EXPECT_EQ(f.list->selectedIndex(), 6);
    now += 100;
    f.click(inSix);
    EXPECT_EQ(f.activated, (std::vector<int32_t>{6}));
    EXPECT_TRUE(f.key(KeyReturn));
    EXPECT_EQ(f.activated, (std::vector<int32_t>{6, 6}));

    now += 5000;
    const Point inTwo{300, 50};
    f.click(inTwo, MouseRight);
    EXPECT_EQ(f.list->selectedIndex(), 2);
    // A click between the items keeps the selection.
    now += 5000;
    f.click(Point{13, 13});
    f.click(Point{13, 13}, MouseRight);
    EXPECT_EQ(f.list->selectedIndex(), 2);
    f.key(KeyApps);
    f.key(KeyF10, ModifierShift);
    // Keys open the menu over the middle of the selected cell.
    const Point middleOfTwo{10 + 270 + 60, 10 + 10 + 75};
    EXPECT_EQ(f.menus, (std::vector<ListFixture::Menu>{
                           {2, inTwo}, {-1, Point{13, 13}}, {2, middleOfTwo}, {2, middleOfTwo}}));
    UIWindow::setClock(nullptr);

    // The tooltip belongs to the item under the mouse, and its area is the cell.
    Rect area;
    EXPECT_EQ(f.list->view()->toolTipAt(Point{150, 180}, area), u"Tip 5");
    EXPECT_EQ(area, (Rect{140, 170, 120, 150}));
    f.list->setToolTip(u"Screenshots");
    EXPECT_EQ(f.list->view()->toolTipAt(Point{135, 180}, area), u"Screenshots");
}

TEST(ListTest, InsertingAndRemovingKeepTheSelectionOnItsItem) {
    ListFixture f(5);
    f.list->setSelectedIndex(3);
    UIListItem* selected = f.list->selectedItem();
    f.selections.clear();
    f.list->insertItem(0, std::make_unique<UIListItem>(u"Newest"));
    EXPECT_EQ(f.list->selectedIndex(), 4);
    EXPECT_EQ(f.list->selectedItem(), selected);
    EXPECT_EQ(f.list->item(4)->index(), 4);
    EXPECT_TRUE(f.selections.empty());
    f.list->removeItem(4);
    EXPECT_EQ(f.list->selectedIndex(), -1);
    EXPECT_EQ(f.selections, (std::vector<int32_t>{-1}));
    // The keyboard goes on from the item that took the removed one's place.
    EXPECT_EQ(f.list->currentIndex(), 4);
    f.key(KeyLeft);
    EXPECT_EQ(f.list->selectedIndex(), 3);
    f.list->clear();
    EXPECT_EQ(f.list->count(), 0);
    EXPECT_EQ(f.selections, (std::vector<int32_t>{-1, 3, -1}));
    EXPECT_FALSE(f.list->verticalScrollBar()->isVisibleFlag());
}

TEST(ListTest, EveryPropertySetsItsOwnValueAndNoOther) {
    using Check = std::function<bool(const ListLook&)>;
    struct Row {
        const char16_t* name;
        const char16_t* value;
        Check check;
    };
    const Color red = 0xFFFF0000;
    const Paint solidRed = Paint::solid(red);
    const Row rows[] = {
        {u"font", u"default,20,", [](auto& l) { return l.font.size == 20.0f; }},
        {u"detailedFont", u"default,,bold", [](auto& l) { return l.detailedFont.flags == 1u; }},
        {u"blankFont", u"x,8,", [](auto& l) { return l.blankFont.face == u"x"; }},
        {u"foreground", u"255,0,0", [&](auto& l) { return l.foreground == solidRed; }},
        {u"detailedForeground", u"255,0,0",
         [&](auto& l) { return l.detailedForeground == solidRed; }},
        {u"disabledDetailedForeground", u"255,0,0",
         [&](auto& l) { return l.disabledDetailedForeground == solidRed; }},
        {u"disabledForeground", u"255,0,0",
         [&](auto& l) { return l.disabledForeground == solidRed; }},
        {u"defaultItemForeground", u"255,0,0",
         [&](auto& l) { return l.defaultItemForeground == solidRed; }},
        {u"selectedItemForeground", u"255,0,0",
         [&](auto& l) { return l.selectedItemForeground == solidRed; }},
        {u"alternateItemForeground", u"255,0,0",
         [&](auto& l) { return l.alternateItemForeground == solidRed; }},
        {u"blankForeground", u"255,0,0", [&](auto& l) { return l.blankForeground == solidRed; }},
        {u"shadowBlankForeground", u"255,0,0",
         [&](auto& l) { return l.shadowBlankForeground == solidRed; }},
        {u"background", u"1,2,3|4,5,6",
         [](auto& l) { return l.background.kind == PaintKind::Gradient; }},
        {u"defaultItemBackground", u"255,0,0",
         [&](auto& l) { return l.defaultItemBackground == solidRed; }},
        {u"selectedItemBackground", u"255,0,0",
         [&](auto& l) { return l.selectedItemBackground == solidRed; }},
        {u"alternateItemBackground", u"255,0,0",
         [&](auto& l) { return l.alternateItemBackground == solidRed; }},
        {u"gridColor", u"255,0,0", [&](auto& l) { return l.gridColor == red; }},
        {u"borderColor", u"255,0,0", [&](auto& l) { return l.borderColor == red; }},
        {u"listModeItemHeight", u"31", [](auto& l) { return l.listModeItemHeight == 31; }},
        {u"listModeItemSpacing", u"3", [](auto& l) { return l.listModeItemSpacing == 3; }},
        {u"iconModeItemHorizontalSpacing", u"3",
         [](auto& l) { return l.iconModeItemHorizontalSpacing == 3; }},
        {u"iconModeItemVerticalSpacing", u"3",
         [](auto& l) { return l.iconModeItemVerticalSpacing == 3; }},
        {u"spacingBetweenIconAndText", u"3",
         [](auto& l) { return l.spacingBetweenIconAndText == 3; }},
        {u"spacingBetweenTextAndDetailedText", u"3",
         [](auto& l) { return l.spacingBetweenTextAndDetailedText == 3; }},
        {u"isDrawGrid", u"1", [](auto& l) { return l.isDrawGrid == 1; }},
        {u"listModeItemPadding", u"1,2,3,4",
         [](auto& l) {
             return l.listModeItemPadding == Margins{1, 2, 3, 4};
         }},
        {u"iconModeItemPadding", u"3", [](auto& l) { return l.iconModeItemPadding.top == 3; }},
        {u"iconModePadding", u"1,2,3,4",
         [](auto& l) {
             return l.iconModePadding == Margins{1, 2, 3, 4};
         }},
        {u"iconModeItemSize", u"204,234",
         [](auto& l) {
             return l.iconModeItemSize == Size{204, 234};
         }},
    };
    for (const Row& row : rows) {
        UIList list;
        const ListLook before = list.look();
        list.setProperty(row.name, row.value);
        EXPECT_TRUE(row.check(list.look())) << toUtf8(row.name);
        EXPECT_FALSE(row.check(before)) << toUtf8(row.name);
    }
    UIList list;
    const ListLook before = list.look();
    for (const char16_t* foreign : {u"thickness", u"downOffset", u"padding", u"size"}) {
        list.setProperty(foreign, u"7");
    }
    EXPECT_EQ(list.look(), before);

    // Row geometry follows the list-mode properties.
    ListFixture f(3);
    f.list->setViewMode(UIList::ViewMode::List);
    f.list->setProperties({{u"listModeItemHeight", u"30"}, {u"listModeItemSpacing", u"4"}});
    EXPECT_EQ(f.list->itemRect(2), (Rect{0, 68, 560, 30}));
}

} // namespace
} // namespace fw
