#pragma once
// The window controller: owns the main window controller, which owns the main
// window, the global hotkeys and the notification-area icon.
#include <cstdint>
#include <memory>

namespace fw {

class Application;
class GlobalHotkeys;

class MainWindowController {
public:
    explicit MainWindowController(Application& application);
    MainWindowController(const MainWindowController&) = delete;
    MainWindowController& operator=(const MainWindowController&) = delete;
    virtual ~MainWindowController();

    void show(bool maximized);
    void hide();
    bool isVisible() const;
    void toggle();
    void* windowHandle() const { return window_; }

    // The window procedure's entry; returns true when the message was handled.
    bool handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam, intptr_t& result);

    GlobalHotkeys& hotkeys() { return *hotkeys_; }

private:
    void onClose();
    void bringToFront();
    // Show/hide, capture, then PrintScreen when enabled; failures are silent.
    void registerHotkeys();
    void onHotkey(int32_t id);

    Application& application_;
    void* window_;
    std::unique_ptr<GlobalHotkeys> hotkeys_;
};

class WindowController {
public:
    explicit WindowController(Application& application);
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;
    virtual ~WindowController();

    void start();
    void showMainWindow(bool maximized);
    void hideMainWindow();
    void destroyMainWindow();
    MainWindowController* mainWindow() { return main_.get(); }

private:
    Application& application_;
    std::unique_ptr<MainWindowController> main_;
};

} // namespace fw
