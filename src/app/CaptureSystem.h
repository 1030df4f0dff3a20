#pragma once
// What the capture pipeline needs from the windows and the operating system.
// The program's implementation works on the real screen and main window;
// tests supply their own.
#include "capture/Image.h"
#include "capture/Screen.h"
#include "capture/ScreenCapture.h"
#include "output/SaveStep.h"
#include "platform/WideString.h"

#include <cstdint>
#include <memory>

namespace fw {

class Application;

// The screen operations come from ScreenSource: the real screen unless replaced.
class CaptureSystem : public ScreenSource {
public:
    virtual ~CaptureSystem() = default;

    // Visible top-level windows of the program other than menus and tooltips.
    virtual int32_t openWindowCount() = 0;
    virtual bool isMainWindowVisible() = 0;
    virtual void showMainWindow() = 0;
    virtual void hideMainWindow() = 0;
    virtual void showMessage(WideStringView text) = 0;

    // Bit n set: drive letter 'A' + n exists.
    virtual uint32_t logicalDrives() = 0;
    // Bytes available to the user on the drive with this root ("C:\").
    virtual bool freeDiskSpace(WideStringView root, uint64_t& bytes) = 0;

    // The window's pixels over `r` (screen coordinates).
    virtual Image grabWindow(void* window, const Rect& r) = 0;
    // Fills the cursor image and rectangle of `state` when it includes the cursor.
    virtual void captureCursor(CaptureState& state) = 0;
    virtual Point cursorPosition() = 0;
    virtual void moveCursor(Point position) = 0;
    // The one blocking wait of the pipeline: the region grab's settling pause.
    virtual void pause(int32_t milliseconds) = 0;

    // Shows the selection overlay over state.frozenScreen; false when the
    // program has no overlay for the mode.
    virtual bool showOverlay(CaptureState& state) = 0;
    virtual void hideOverlay() = 0;

    virtual WideString programFolder() = 0;
    virtual bool fileExists(WideStringView path) = 0;
    // Stops any sound that is playing and plays the WAV file asynchronously.
    virtual void playSound(WideStringView path) = 0;

    // The save step: count, name, write, copy, record in the history.
    virtual SaveResult saveScreenshot(const Image& image, const CaptureInfo& capture) = 0;
    virtual void saveHistory() = 0;
};

// The program's system: its main window, the real screen and the save step
// over the application's settings model.
std::unique_ptr<CaptureSystem> makeCaptureSystem(Application& application);

} // namespace fw
