#pragma once
// The screenshot history as the main window's list shows it: one item per
// entry, newest first, with its thumbnail, its name, a date caption ("Today")
// and a five-line tooltip. The list's selection is the current screenshot,
// and the zoom sets the size of its cells.
#include "output/HistoryFile.h"
#include "platform/Rect.h"

#include <functional>

namespace fw {

class UIList;
class UIListItem;

// Gives a list the screenshot list's look: the dark cells with bold names and
// grey dates, the logo behind the items and the slimmer scroll bar skins.
void applyScreenshotListLook(UIList& list);

class ScreenshotList {
public:
    explicit ScreenshotList(UIList& list);
    ScreenshotList(const ScreenshotList&) = delete;
    ScreenshotList& operator=(const ScreenshotList&) = delete;

    // The cell of zoom `zoom` (0 .. 84): 120 + zoom by 150 + zoom logical pixels.
    static Size cellSize(int32_t zoom);
    void setZoom(int32_t zoom);

    // A new screenshot (`newest`) goes on top; an entry read from the history
    // file goes below those read before it. Either way the list then shows
    // its first item, selected.
    void add(HistoryEntry& entry, bool newest, const CaptureTime& today);
    // Before the entry goes: its item goes first.
    void remove(const HistoryEntry& entry);
    // The entry's file changed: new thumbnail and tooltip.
    void refresh(const HistoryEntry& entry, const CaptureTime& today);
    // The date moved on: "Today" and "Yesterday" move with it.
    void refreshCaptions(const CaptureTime& today);
    // After a change of language.
    void retranslate(const CaptureTime& today);

    int32_t count() const;
    HistoryEntry* current() const;
    HistoryEntry* entryAt(int32_t index) const;
    int32_t indexOf(const HistoryEntry& entry) const;

    // The selection changed (null: no current screenshot).
    std::function<void(HistoryEntry*)> onCurrentChanged;

private:
    void describe(UIListItem& item, const HistoryEntry& entry, const CaptureTime& today);
    void showFirst();

    UIList& list_;
};

} // namespace fw
