#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"

namespace fw {

// Without a platform there are no hotkey or minimize messages to watch.
void MainWindowController::installPlatformHooks() {}

void MainWindowController::paintNow() {}

Rect MainWindowController::restoredFrameRect() const {
    return window_->nativeWindow().frameRect();
}

} // namespace fw
