#include "app/AppHost.h"
#include "app/Application.h"
#include "app/CaptureSaveHost.h"
#include "app/CaptureSystem.h"
#include "capture/ScreenCapture.h"
#include "platform/Files.h"
#include "platform/Sound.h"
#include "platform/Win32.h"
#include "settings/SettingsModel.h"
#include "shell/WindowController.h"
#include "ui/UIMessageBox.h"

#include <algorithm>

namespace fw {

namespace {

// Small helper windows of the toolkit that may stay open during a capture.
bool isTransientWindow(HWND window) {
    UIWindow* toolkit = UIWindow::fromNativeHandle(window);
    if (!toolkit) {
        return false;
    }
    for (WideStringView transient : {u"UIMenu", u"UIToolTip", u"UIBalloonTip"}) {
        if (toolkit->className() == transient) {
            return true;
        }
    }
    return false;
}

BOOL CALLBACK countVisibleWindow(HWND window, LPARAM context) {
    if (::IsWindowVisible(window) && !isTransientWindow(window)) {
        ++*reinterpret_cast<int32_t*>(context);
    }
    return TRUE;
}

class WindowsCaptureSystem : public CaptureSystem {
public:
    explicit WindowsCaptureSystem(Application& application)
        : application_(application),
          saveHost_(application.model(), [this](WideStringView text) { showMessage(text); }) {}

    int32_t openWindowCount() override {
        int32_t count = 0;
        // Every window of the program belongs to the user-interface thread.
        ::EnumThreadWindows(::GetCurrentThreadId(), countVisibleWindow,
                            reinterpret_cast<LPARAM>(&count));
        return count;
    }
    bool isMainWindowVisible() override {
        MainWindowController* main = mainWindow();
        return main != nullptr && main->isVisible();
    }
    // Coming back, the main window takes the focus only if it had it: a
    // capture by hotkey leaves the user in the program they were using.
    void showMainWindow() override {
        if (MainWindowController* main = mainWindow()) {
            HWND window = static_cast<HWND>(main->windowHandle());
            ::ShowWindow(window, SW_SHOWNA);
            if (wasForeground_) {
                ::SetForegroundWindow(window);
            }
        }
    }
    void hideMainWindow() override {
        if (MainWindowController* main = mainWindow()) {
            wasForeground_ = ::GetForegroundWindow() == main->windowHandle();
            main->hide();
        }
    }
    void showMessage(WideStringView text) override {
        MainWindowController* main = mainWindow();
        UIWindow* owner =
            main && main->isVisible() ? UIWindow::fromNativeHandle(main->windowHandle()) : nullptr;
        showMessageBox(owner, application_.host().displayName(), WideString(text), MessageBoxOk,
                       MessageIcon::Warning);
    }

    uint32_t logicalDrives() override { return ::GetLogicalDrives(); }
    bool freeDiskSpace(WideStringView root, uint64_t& bytes) override {
        return os::freeDiskSpace(root, bytes);
    }

    // Until window capture with transparency exists, the window as the screen shows it.
    Image grabWindow(void*, const Rect& r) override { return os::grabScreenRect(r); }
    void captureCursor(CaptureState& state) override { fw::captureCursor(state); }
    Point cursorPosition() override { return os::cursorPosition(); }
    void moveCursor(Point position) override { ::SetCursorPos(position.x, position.y); }
    void pause(int32_t milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }

    // The selection overlay does not exist yet: window and region captures end
    // at once instead of waiting for a selection that cannot come.
    bool showOverlay(CaptureState&) override { return false; }
    void hideOverlay() override {}

    WideString programFolder() override { return application_.host().executableFolder(); }
    bool fileExists(WideStringView path) override { return os::fileExists(path); }
    void playSound(WideStringView path) override { os::playSoundFile(path); }

    SaveResult saveScreenshot(const Image& image, const CaptureInfo& capture) override {
        return fw::saveScreenshot(image, capture, saveHost_);
    }
    void saveHistory() override { application_.model().history.save(); }

private:
    MainWindowController* mainWindow() {
        WindowController* windows = application_.windows();
        return windows ? windows->mainWindow() : nullptr;
    }

    Application& application_;
    CaptureSaveHost saveHost_;
    bool wasForeground_ = false;
};

} // namespace

std::unique_ptr<CaptureSystem> makeCaptureSystem(Application& application) {
    return std::make_unique<WindowsCaptureSystem>(application);
}

} // namespace fw
