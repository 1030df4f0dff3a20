#pragma once
// The screenshot history's place in the running program: its file beside
// config.dat and the settings it follows.
#include "settings/SettingsModel.h"

namespace fw {

class Application;
class HistoryView;

class AppHistoryHost : public ModelHistoryHost {
public:
    explicit AppHistoryHost(Application& application) : application_(application) {}
    SettingsModel& model() override;
    // The screenshot list follows the history.
    void entryShown(HistoryEntry& entry) override;
    void entryRemoving(HistoryEntry& entry) override;
    void entryRefreshed(HistoryEntry& entry) override;
    void countChanged() override;
    void dateChanged() override;

private:
    HistoryView* view();

    Application& application_;
};

} // namespace fw
