#include "shell/ScreenshotList.h"

#include "output/HistoryText.h"
#include "output/ImageFile.h"
#include "resources/PackImages.h"
#include "ui/UIList.h"
#include "ui/UIScrollBar.h"

#include <algorithm>

namespace fw {

void applyScreenshotListLook(UIList& list) {
    list.setViewMode(UIList::ViewMode::Icon);
    list.setProperties({
        {u"background", u"54,54,54"},
        {u"foreground", u"255,255,255"},
        {u"iconModePadding", u"10"},
        {u"font", u"default,,bold"},
        {u"detailedFont", u"default,9.5"},
        {u"detailedForeground", u"153,153,153"},
        {u"defaultItemBackground", u"transparent"},
        {u"alternateItemBackground", u"54,54,54"},
        {u"selectedItemBackground", u"transparent"},
        {u"iconModeItemSize", u"120,150"},
        {u"iconModeItemVerticalSpacing", u"10"},
        {u"iconModeItemHorizontalSpacing", u"10"},
        {u"iconModeItemPadding", u"10"},
    });
    list.setBackgroundPicture(loadPackImage(u"preview_background_logo"));
    for (WideStringView part : {u"VerticalBackground", u"TopArrowBackground",
                                u"BottomArrowBackground", u"VerticalThumbBackground"}) {
        list.verticalScrollBar()->replaceSkin(u"UIScrollBar_" + WideString(part),
                                              u"ScrollBar_" + WideString(part));
    }
}

ScreenshotList::ScreenshotList(UIList& list) : list_(list) {
    list_.onSelectionChanged = [this](int32_t) {
        if (onCurrentChanged) {
            auto changed = onCurrentChanged;
            changed(current());
        }
    };
}

Size ScreenshotList::cellSize(int32_t zoom) {
    return Size{120 + zoom, 150 + zoom};
}

void ScreenshotList::setZoom(int32_t zoom) {
    const Size cell = cellSize(zoom);
    list_.setProperty(u"iconModeItemSize", toWide(cell.width) + u"," + toWide(cell.height));
}

void ScreenshotList::describe(UIListItem& item, const HistoryEntry& entry,
                              const CaptureTime& today) {
    item.setText(entry.location.name);
    item.setDetailText(dateCaption(entry.time, today));
    item.setToolTip(entryTooltip(entry));
}

namespace {

// The item shares the entry's pixels: an opaque thumbnail is premultiplied as
// it is, so the list need not keep a second copy of every thumbnail.
Image pictureOf(const HistoryEntry& entry) {
    Image picture = entry.thumbnail;
    if (!picture.isEmpty() && isOpaque(picture)) {
        picture.setPremultiplied(true);
    }
    return picture;
}

} // namespace

void ScreenshotList::add(HistoryEntry& entry, bool newest, const CaptureTime& today) {
    auto item = std::make_unique<UIListItem>();
    item->setUserData(&entry);
    describe(*item, entry, today);
    item->setPicture(pictureOf(entry));
    list_.insertItem(newest ? 0 : list_.count(), std::move(item));
    showFirst();
}

void ScreenshotList::showFirst() {
    if (list_.selectedIndex() != 0) {
        list_.setSelectedIndex(0);
    }
    list_.ensureVisible(0, false);
}

void ScreenshotList::remove(const HistoryEntry& entry) {
    const int32_t index = indexOf(entry);
    if (index >= 0) {
        list_.removeItem(index);
    }
}

void ScreenshotList::refresh(const HistoryEntry& entry, const CaptureTime& today) {
    const int32_t index = indexOf(entry);
    if (UIListItem* item = list_.item(index)) {
        describe(*item, entry, today);
        item->setPicture(pictureOf(entry));
    }
}

void ScreenshotList::refreshCaptions(const CaptureTime& today) {
    for (int32_t i = 0; i < list_.count(); ++i) {
        UIListItem* item = list_.item(i);
        item->setDetailText(dateCaption(entryAt(i)->time, today));
    }
}

void ScreenshotList::retranslate(const CaptureTime& today) {
    for (int32_t i = 0; i < list_.count(); ++i) {
        describe(*list_.item(i), *entryAt(i), today);
    }
}

int32_t ScreenshotList::count() const {
    return list_.count();
}

HistoryEntry* ScreenshotList::current() const {
    return entryAt(list_.selectedIndex());
}

HistoryEntry* ScreenshotList::entryAt(int32_t index) const {
    const UIListItem* item = list_.item(index);
    return item ? static_cast<HistoryEntry*>(item->userData()) : nullptr;
}

int32_t ScreenshotList::indexOf(const HistoryEntry& entry) const {
    for (int32_t i = 0; i < list_.count(); ++i) {
        if (list_.item(i)->userData() == &entry) {
            return i;
        }
    }
    return -1;
}

} // namespace fw
