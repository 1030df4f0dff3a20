#include "app/AppHost.h"
#include "app/Application.h"
#include "app/CaptureController.h"
#include "app/CaptureSaveHost.h"
#include "app/CaptureSystem.h"
#include "app/TestSeams.h"
#include "capture/ScreenCapture.h"
#include "capture/WindowCapture_win.h"
#include "capture/WindowIcon_win.h"
#include "capture/WindowLayout_win.h"
#include "overlay/UIOverlay.h"
#include "platform/Files.h"
#include "platform/Sound.h"
#include "platform/Win32.h"
#include "settings/SettingsModel.h"
#include "shell/MainWindowController.h"
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

class WindowsCaptureSystem : public CaptureSystem, private OverlayHost {
public:
    explicit WindowsCaptureSystem(Application& application)
        : application_(application),
          saveHost_(application.model(), [this](WideStringView text) { showMessage(text); }),
          picker_(os::systemWindowLayout(), os::windowIcon) {}

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
        return simulatedFreeSpace(bytes) || os::freeDiskSpace(root, bytes);
    }

    Rect virtualScreen() override { return os::virtualScreenRect(); }
    int32_t monitorCount() override { return os::monitorCount(); }
    Rect primaryWorkArea() override { return os::primaryWorkArea(); }
    Image grabWindow(void* window, const Rect& r) override {
        const SettingsValues& values = application_.model().values;
        os::WindowCaptureOptions options;
        options.saveTransparency = values.windowModeSaveTransparency;
        options.backdropSettleMs = clampCaptureDelay(values.captureDelay);
        options.cursorSettleMs = CaptureController::kRegionSettleMs;
        return os::captureWindow(os::systemWindowLayout(), window, r, options);
    }
    void captureCursor(CaptureState& state) override { fw::captureCursor(state); }
    Point cursorPosition() override { return os::cursorPosition(); }
    void moveCursor(Point position) override { ::SetCursorPos(position.x, position.y); }
    void pause(int32_t milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }

    bool showOverlay(CaptureState& state) override;
    void hideOverlay() override {
        if (overlay_) {
            overlay_->dismiss();
        }
    }

    WideString programFolder() override { return application_.host().executableFolder(); }
    bool fileExists(WideStringView path) override { return os::fileExists(path); }
    void playSound(WideStringView path) override {
        logSoundForTests(path);
        os::playSoundFile(path);
    }

    SaveResult saveScreenshot(const Image& image, const CaptureInfo& capture) override {
        return fw::saveScreenshot(image, capture, saveHost_);
    }
    void saveHistory() override { application_.model().history.save(); }

private:
    // OverlayHost: the overlay's answers go to the pipeline.
    void overlayAccepted(const OverlayChoice& choice) override;
    void overlayCancelled() override;
    void zoomSettingChanged(int32_t setting) override {
        application_.model().values.regionModeMagnifierZoom = setting;
    }
    WindowPick pickWindow(Point screen, bool includeControls, WindowId excluded) override {
        return picker_.pick(screen, includeControls, excluded);
    }

    CaptureController* controller() { return application_.captureController(); }
    MainWindowController* mainWindow() {
        WindowController* windows = application_.windows();
        return windows ? windows->mainWindow() : nullptr;
    }

    Application& application_;
    CaptureSaveHost saveHost_;
    WindowPicker picker_;
    std::unique_ptr<UIOverlay> overlay_;
    bool wasForeground_ = false;
};

bool WindowsCaptureSystem::showOverlay(CaptureState& state) {
    if (state.mode != CaptureMode::Window && state.mode != CaptureMode::Region) {
        return false;
    }
    if (!overlay_) {
        overlay_ = std::make_unique<UIOverlay>(static_cast<OverlayHost&>(*this));
    }
    const SettingsValues& values = application_.model().values;
    OverlaySession session;
    session.mode = state.mode == CaptureMode::Window ? OverlayMode::Window : OverlayMode::Region;
    session.frozen = state.frozenScreen;
    session.dimmed = state.dimmedScreen;
    session.screen = state.virtualScreen;
    session.monitors = os::monitorRects(false);
    session.includeControls = values.windowModeIncludeControls;
    session.magnifierSizeSetting = values.regionModeMagnifierSize;
    session.zoomSetting = values.regionModeMagnifierZoom;
    picker_.reset();
    overlay_->open(std::move(session));
    return true;
}

void WindowsCaptureSystem::overlayAccepted(const OverlayChoice& choice) {
    if (CaptureController* capture = controller()) {
        OverlaySelection& selection = capture->selection();
        selection.region = choice.region;
        selection.window = choice.window;
        selection.windowRect = choice.captureRect;
        capture->OnOverlayResult(OverlayResult::Accept);
    }
}

void WindowsCaptureSystem::overlayCancelled() {
    if (CaptureController* capture = controller()) {
        capture->OnOverlayResult(OverlayResult::Cancel);
    }
}

} // namespace

std::unique_ptr<CaptureSystem> makeCaptureSystem(Application& application) {
    return std::make_unique<WindowsCaptureSystem>(application);
}

} // namespace fw
