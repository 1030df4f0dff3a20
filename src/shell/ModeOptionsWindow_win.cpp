#include "shell/ModeOptionsWindow.h"

#include "app/Application.h"
#include "settings/SettingsModel.h"

namespace fw {

bool showModeOptions(CaptureMode mode, UIWindow* parent) {
    Application* running = application();
    return running != nullptr && showModeOptions(mode, running->model().values, parent);
}

} // namespace fw
