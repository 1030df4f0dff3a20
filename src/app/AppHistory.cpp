#include "app/AppHistory.h"
#include "app/Application.h"
#include "shell/MainWindowController.h"

namespace fw {

SettingsModel& AppHistoryHost::model() {
    return application_.model();
}

HistoryView* AppHistoryHost::view() {
    WindowController* windows = application_.windows();
    return windows ? windows->historyView() : nullptr;
}

void AppHistoryHost::entryShown(HistoryEntry& entry) {
    if (HistoryView* shown = view()) {
        shown->entryShown(entry);
    }
}

void AppHistoryHost::entryRemoving(HistoryEntry& entry) {
    if (HistoryView* shown = view()) {
        shown->entryRemoving(entry);
    }
}

void AppHistoryHost::entryRefreshed(HistoryEntry& entry) {
    if (HistoryView* shown = view()) {
        shown->entryRefreshed(entry);
    }
}

void AppHistoryHost::countChanged() {
    if (HistoryView* shown = view()) {
        shown->countChanged();
    }
}

void AppHistoryHost::dateChanged() {
    if (HistoryView* shown = view()) {
        shown->dateChanged();
    }
}

} // namespace fw
