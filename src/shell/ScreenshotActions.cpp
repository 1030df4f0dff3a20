#include "shell/ScreenshotActions.h"

#include "output/Clipboard.h"
#include "output/ImageFile.h"
#include "output/ScreenshotFiles.h"
#include "platform/Files.h"
#include "platform/KnownFolders.h"

namespace fw {

bool ScreenshotActions::fileExists(WideStringView path) {
    return os::fileExists(path);
}

bool ScreenshotActions::folderExists(WideStringView path) {
    return os::folderExists(path);
}

bool ScreenshotActions::openFile(WideStringView path) {
    return fw::openFile(path);
}

bool ScreenshotActions::openWithEditor(WideStringView editorPath, WideStringView path) {
    return fw::openWithEditor(editorPath, path);
}

Image ScreenshotActions::loadImage(WideStringView path) {
    return fw::loadImage(path);
}

bool ScreenshotActions::saveImage(WideStringView path, const Image& image) {
    return fw::saveImage(path, image);
}

bool ScreenshotActions::copyImage(const Image& image, bool beep) {
    return copyImageToClipboard(image, beep);
}

bool ScreenshotActions::copyText(WideStringView text, bool beep) {
    return copyTextToClipboard(text, beep);
}

WideString ScreenshotActions::desktopFolder() {
    WideString folder;
    os::specialFolderPath(os::SpecialFolder::Desktop, folder);
    return folder;
}

} // namespace fw
