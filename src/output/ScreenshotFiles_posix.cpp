#include "output/ScreenshotFiles.h"

namespace fw {

// The native build opens nothing.
bool openFile(WideStringView /*path*/) {
    return false;
}

bool openWithEditor(WideStringView /*editorPath*/, WideStringView /*screenshotPath*/) {
    return false;
}

} // namespace fw
