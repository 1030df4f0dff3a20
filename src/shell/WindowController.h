#pragma once
// The window controller: owns the main window controller, which owns the main
// window, the global hotkeys and the notification-area icon.
#include "platform/WideString.h"

#include <cstdint>
#include <memory>

namespace fw {

class HistoryView;
class MainWindowController;
class SettingsModel;
class SettingsStore;

// Who the program is, as its windows show it.
struct ProductInfo {
    WideString instanceName; // the notification icon's tip, the start-up entry's name
    WideString aboutName;    // "Framewing"
    WideString aboutName2;   // the longer name under it
    WideString makerName;
    WideString version;
    WideString executablePath;
};

// What the windows need from the application that owns them.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual SettingsStore& settings() = 0;
    virtual SettingsModel& model() = 0;
    virtual const ProductInfo& product() = 0;
    // The window that receives the messages of a second start.
    virtual void mainWindowCreated(void* window) = 0;
    virtual void mainWindowDestroyed(void* window) = 0;
    // A capture in `mode` (1 full screen ... 4 timer), as the capture button starts it.
    virtual void startCapture(int32_t mode) = 0;
    // The exit command.
    virtual void exit() = 0;
    // The options window, where the program has it: its button is disabled
    // otherwise.
    virtual bool hasOptions() const { return false; }
    virtual void showOptions() {}
};

class WindowController {
public:
    explicit WindowController(MainWindowHost& host);
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;
    virtual ~WindowController();

    // Builds the main window (hidden) and registers the hotkeys.
    void start();
    // The deferred start-up step's part: where the main window was, and the
    // notification-area icon.
    void restoreMainWindowGeometry();
    void createNotificationIcon();
    void showMainWindow(bool maximized);
    void hideMainWindow();
    void destroyMainWindow();
    // The window keys of the settings ("windows/windowMain..."), as saving
    // the settings writes them.
    void saveWindowSettings(SettingsStore& store);
    MainWindowController* mainWindow() { return main_.get(); }
    // The screenshot list, which shows the history; null without a main window.
    HistoryView* historyView();

private:
    MainWindowHost& host_;
    std::unique_ptr<MainWindowController> main_;
};

} // namespace fw
