#include "platform/Files.h"
#include "shell/ScreenshotActions.h"

namespace fw {

// Without a shell nothing opens and no dialog is shown.
bool ScreenshotActions::openFolder(WideStringView) {
    return false;
}

bool ScreenshotActions::openWebAddress(WideStringView) {
    return false;
}

bool ScreenshotActions::chooseSavePath(const SaveDialogRequest&, void*, SaveDialogAnswer&) {
    return false;
}

WideString ScreenshotActions::programName(WideStringView path) {
    return fileTitleOf(path);
}

} // namespace fw
