#include "app/AppHistory.h"
#include "app/Application.h"

namespace fw {

SettingsModel& AppHistoryHost::model() {
    return application_.model();
}

} // namespace fw
