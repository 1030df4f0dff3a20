#pragma once
// The window controller: owns the main window controller, which owns the main
// window, the global hotkeys and the notification-area icon.
#include <cstdint>
#include <memory>

namespace fw {

class GlobalHotkeys;
class SettingsModel;
class SettingsStore;

// Sent by a second start of the program to the running one, which forwards it
// to the main window: the window comes to the front.
constexpr uint32_t kSecondStartMessage = 0xD000;

// What the windows need from the application that owns them.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual SettingsStore& settings() = 0;
    virtual SettingsModel& model() = 0;
    // The window that receives the messages of a second start.
    virtual void mainWindowCreated(void* window) = 0;
    virtual void mainWindowDestroyed(void* window) = 0;
    // The exit command.
    virtual void exit() = 0;
};

class MainWindowController {
public:
    explicit MainWindowController(MainWindowHost& host);
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

    MainWindowHost& host_;
    void* window_;
    std::unique_ptr<GlobalHotkeys> hotkeys_;
};

class WindowController {
public:
    explicit WindowController(MainWindowHost& host);
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;
    virtual ~WindowController();

    void start();
    void showMainWindow(bool maximized);
    void hideMainWindow();
    void destroyMainWindow();
    MainWindowController* mainWindow() { return main_.get(); }

private:
    MainWindowHost& host_;
    std::unique_ptr<MainWindowController> main_;
};

} // namespace fw
