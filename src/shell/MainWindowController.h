#pragma once
// The main window's controller: builds the window, connects its controls to
// the settings, the history and the capture pipeline, holds the current
// screenshot (the list's selection), and owns the global hotkeys and the
// notification-area icon.
#include "output/HistoryFile.h"
#include "shell/ScreenshotActions.h"
#include "shell/WindowController.h"
#include "ui/EventLoop.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace fw {

class GlobalHotkeys;
class MainWindow;
class NotificationIcon;
class NotificationIconNative;
class ScreenshotList;
class UIBalloonTip;
class UIMenu;
class UIWindow;
struct KeyEvent;

// The program's web page (a release build puts the real address here).
inline constexpr WideStringView kHomePageAddress = u"https://framewing.example/";

// The list's context menu and the notification icon's menu with their
// entries; the controller connects them.
std::unique_ptr<UIMenu> makeScreenshotListMenu();
std::unique_ptr<UIMenu> makeNotificationIconMenu();
// The icon menu's first entry: "Hide" while the window is visible, else "Show".
void showNotificationToggleState(UIMenu& menu, bool windowVisible);

// How the history tells its list what changed.
class HistoryView {
public:
    virtual ~HistoryView() = default;
    virtual void entryShown(HistoryEntry& entry) = 0;
    virtual void entryRemoving(HistoryEntry& entry) = 0;
    virtual void entryRefreshed(HistoryEntry& entry) = 0;
    virtual void countChanged() = 0;
    virtual void dateChanged() = 0;
};

// What the controller takes from the system; tests replace the parts.
struct MainWindowSystem {
    std::unique_ptr<ScreenshotActions> actions;
    // The notification icon's native part for an icon.
    std::function<std::unique_ptr<NotificationIconNative>(NotificationIcon&)> makeIcon;
    // Today's date for the captions.
    std::function<CaptureTime()> today;

    static MainWindowSystem real();
};

class MainWindowController : public HistoryView, public EventReceiver {
public:
    explicit MainWindowController(MainWindowHost& host,
                                  MainWindowSystem system = MainWindowSystem::real());
    MainWindowController(const MainWindowController&) = delete;
    MainWindowController& operator=(const MainWindowController&) = delete;
    ~MainWindowController() override;

    MainWindow& window() { return *window_; }
    void* windowHandle() const;
    void show(bool maximized);
    // Shown without taking the activation (after a capture by hotkey).
    void showInactive();
    void hide();
    bool isVisible() const;
    // Shown and brought to the front, out of the minimized state.
    void bringToFront();
    // The notification icon's rule: hide only while no other window of the
    // program is open; show when hidden.
    void toggle();

    // Geometry (and the maximized state) as stored in the settings.
    void restoreGeometry();
    void saveWindowSettings(SettingsStore& store);
    void createNotificationIcon();
    NotificationIcon* notificationIcon() const { return icon_.get(); }
    GlobalHotkeys& hotkeys() { return *hotkeys_; }

    // The current screenshot: the list's selection, or null.
    const HistoryEntry* current() const;
    ScreenshotList& list() { return *list_; }

    // Texts looked up anew (after a change of language), and toggles and
    // editor texts read again from the settings (after the options).
    void retranslate();
    void refreshFromSettings();

    // HistoryView
    void entryShown(HistoryEntry& entry) override;
    void entryRemoving(HistoryEntry& entry) override;
    void entryRefreshed(HistoryEntry& entry) override;
    void countChanged() override;
    void dateChanged() override;

    // Window events, also reached from the platform's messages.
    void onHotkey(int32_t id);
    void onMinimized();
    // True when the window may close (it hides); false when the program exits instead.
    bool onCloseRequest();

    // The commands, as the buttons, the list's menu and keys run them.
    void toggleStayOnTop();
    void cycleFormat();
    void toggleSetting(bool& value);
    void chooseMode(int32_t mode);
    void capture();
    void saveCurrentAs();
    void copyCurrentImage();
    void copyCurrentText(int32_t command);
    void openCurrentWithEditor();
    void openCurrent();
    void deleteCurrent();
    void deleteAll();
    void openOutputFolder();
    void openHomePage();
    void showAbout();
    // The options window; a new language applies to every open window when it closes.
    void showOptions();
    void setZoom(int32_t zoom);
    void zoomBy(int32_t steps);

private:
    class SaveAsThroughWindow;

    void connect();
    void connectList();
    // The platform's messages the window does not turn into toolkit events:
    // hotkeys and minimizing.
    void installPlatformHooks();
    // Paints the window at once rather than after the work already queued:
    // the start-up step has more to do once the window is on screen.
    void paintNow();
    // The window's place as it is when neither minimized nor maximized.
    Rect restoredFrameRect() const;
    void registerHotkeys();
    bool listKey(const KeyEvent& event);
    void runListCommand(int32_t id);
    void updateToggles();
    void updateOperations();
    void updateCount();
    void updateCaptureToolTip();
    void updateFolderToolTip();
    void updateEditorTexts();
    void openListMenu(Point screen);
    void buildIconMenu();
    void showPrintScreenNotice();
    // Runs `action` after the current event, unless this controller is gone.
    void later(std::function<void()> action);

    MainWindowHost& host_;
    MainWindowSystem system_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<ScreenshotList> list_;
    std::unique_ptr<GlobalHotkeys> hotkeys_;
    std::unique_ptr<NotificationIcon> icon_;
    std::unique_ptr<UIMenu> listMenu_;
    std::unique_ptr<UIWindow> about_;
    std::unique_ptr<UIBalloonTip> notice_;
    // The editor button's tooltip, worked out once the window is on screen.
    WideString editorText_;
    bool editorTextsKnown_ = false;
};

} // namespace fw
