#pragma once
// The screenshot history's place in the running program: its file beside
// config.dat and the settings it follows.
#include "settings/SettingsModel.h"

namespace fw {

class Application;

class AppHistoryHost : public ModelHistoryHost {
public:
    explicit AppHistoryHost(Application& application) : application_(application) {}
    SettingsModel& model() override;

private:
    Application& application_;
};

} // namespace fw
