#pragma once
// What the main window does with screenshot files and addresses through the
// system: open them, copy them, save copies, show folders and web pages.
// Tests replace it to see what the window asked for.
#include "capture/Image.h"
#include "output/SaveStep.h"
#include "platform/WideString.h"

#include <cstdint>
#include <vector>

namespace fw {

class ScreenshotActions {
public:
    virtual ~ScreenshotActions() = default;

    virtual bool fileExists(WideStringView path);
    virtual bool folderExists(WideStringView path);
    // The file with its default program; a folder in the file manager.
    virtual bool openFile(WideStringView path);
    virtual bool openFolder(WideStringView path);
    virtual bool openWithEditor(WideStringView editorPath, WideStringView path);
    virtual bool openWebAddress(WideStringView address);
    virtual Image loadImage(WideStringView path);
    virtual bool saveImage(WideStringView path, const Image& image);
    // Failures beep when `beep` (the sound switch) is on.
    virtual bool copyImage(const Image& image, bool beep);
    virtual bool copyText(WideStringView text, bool beep);
    // The system's save dialog with its three filters (BMP, PNG, JPEG) over
    // `owner` (a native window or null); false when the user cancelled.
    virtual bool chooseSavePath(const SaveDialogRequest& request, void* owner,
                                SaveDialogAnswer& answer);
    // The name a program goes by ("Paint" for mspaint.exe), else its file title.
    virtual WideString programName(WideStringView path);
    virtual WideString desktopFolder();
};

} // namespace fw
