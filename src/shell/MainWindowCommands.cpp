// The main window's commands on screenshots, its menus, the notification icon
// and the About window.
#include "i18n/Translation.h"
#include "output/HistoryText.h"
#include "output/ImageFile.h"
#include "output/ScreenshotFiles.h"
#include "platform/Files.h"
#include "resources/PackImages.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "shell/AboutWindow.h"
#include "shell/GlobalHotkeys.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowController.h"
#include "shell/NotificationIcon.h"
#include "shell/ScreenshotList.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIMenu.h"
#include "ui/UIMessageBox.h"

namespace fw {

namespace {

constexpr WideStringView kListMenu = u"MainWindow/ScreenshotListMenu";

// The list menu's entries.
enum ListCommand : int32_t {
    CommandSaveAs = 0,
    CommandCopy = 1,
    CommandEditor = 2,
    CommandDelete = 3,
    CommandCopyPath = 5,
    CommandCopyName = 6,
    CommandCopyDimensions = 7,
    CommandCopyDate = 8,
};

// The notification icon menu's entries.
enum IconCommand : int32_t { IconToggle = 0, IconHomePage = 2, IconExit = 4 };

// Where the one-time notices are remembered, beside the settings file: a new
// key in config.dat would give every existing file another key set, and such
// a file is taken for damaged and reset to the defaults.
constexpr WideStringView kNoticesFile = u"notices.dat";
constexpr WideStringView kPrintScreenNoticeKey = u"notices/printScreenTaken";

} // namespace

// The save-as step's needs, met by the window's settings and actions.
class MainWindowController::SaveAsThroughWindow : public SaveAsHost {
public:
    explicit SaveAsThroughWindow(MainWindowController& controller) : c_(controller) {}
    WideString lastSaveAsFolder() const override {
        return c_.host_.settings().get(keys::kLastSaveAsPath, SettingValue::text(u"")).toText();
    }
    void setLastSaveAsFolder(WideStringView folder) override {
        c_.host_.settings().set(keys::kLastSaveAsPath, SettingValue::text(WideString(folder)));
    }
    WideString desktopFolder() const override { return c_.system_.actions->desktopFolder(); }
    int32_t outputFormat() const override { return c_.host_.model().values.outputFileFormat; }
    bool runSaveDialog(const SaveDialogRequest& request, SaveDialogAnswer& answer) override {
        return c_.system_.actions->chooseSavePath(request, c_.windowHandle(), answer);
    }
    void showMessage(WideStringView text) override {
        showMessageBox(c_.window_.get(), c_.host_.product().aboutName, WideString(text),
                       MessageBoxOk, MessageIcon::Warning);
    }
    Image readImage(WideStringView path) override { return c_.system_.actions->loadImage(path); }
    bool writeImage(WideStringView path, const Image& image) override {
        return c_.system_.actions->saveImage(path, image);
    }

private:
    MainWindowController& c_;
};

std::unique_ptr<UIMenu> makeScreenshotListMenu() {
    auto menu = std::make_unique<UIMenu>();
    const Image copy = loadPackImage(u"menu_copy_to_clipboard");
    menu->addItem(CommandSaveAs, translate(u"Save as...", kListMenu),
                  loadPackImage(u"menu_save_as"));
    menu->addItem(CommandCopy, translate(u"Copy to clipboard", kListMenu), copy).shortcut =
        u"Ctrl+C";
    // Named when it opens, after the editor the options chose.
    menu->addItem(CommandEditor, translate(u"Open with external editor", kListMenu),
                  loadPackImage(u"menu_open_with"));
    menu->addItem(CommandDelete, translate(u"Delete", kListMenu), loadPackImage(u"menu_delete"))
        .shortcut = u"Del";
    menu->addSeparator();
    menu->addItem(CommandCopyPath, translate(u"Copy path to clipboard", kListMenu), copy);
    menu->addItem(CommandCopyName, translate(u"Copy name to clipboard", kListMenu), copy);
    menu->addItem(CommandCopyDimensions, translate(u"Copy dimensions to clipboard", kListMenu),
                  copy);
    menu->addItem(CommandCopyDate, translate(u"Copy date to clipboard", kListMenu), copy);
    return menu;
}

std::unique_ptr<UIMenu> makeNotificationIconMenu() {
    constexpr WideStringView group = u"NotificationIcon";
    auto menu = std::make_unique<UIMenu>();
    // Named when it opens, after the main window's state.
    menu->addItem(IconToggle, u"...", Image());
    menu->addSeparator();
    menu->addItem(IconHomePage, translate(u"Home page...", group),
                  loadPackImage(u"menu_home_page"));
    menu->addSeparator();
    menu->addItem(IconExit, translate(u"Exit", group), Image());
    return menu;
}

void showNotificationToggleState(UIMenu& menu, bool windowVisible) {
    UIMenuItem* item = menu.item(IconToggle);
    item->text = translate(windowVisible ? u"Hide" : u"Show", u"NotificationIcon");
    item->icon = ScaledImage(loadPackImage(windowVisible ? u"menu_hide" : u"menu_show"));
}

// --- Commands on the current screenshot ---

void MainWindowController::saveCurrentAs() {
    const HistoryEntry* entry = current();
    if (!entry) {
        return;
    }
    // A copy of the location: the entry may go while the dialog is open.
    const ScreenshotLocation shot = entry->location;
    SaveAsThroughWindow host(*this);
    saveScreenshotAs(shot, host);
}

void MainWindowController::copyCurrentImage() {
    if (const HistoryEntry* entry = current()) {
        system_.actions->copyImage(system_.actions->loadImage(entry->location.path()),
                                   host_.model().values.playSound);
    }
}

void MainWindowController::copyCurrentText(int32_t command) {
    const HistoryEntry* entry = current();
    if (!entry) {
        return;
    }
    WideString text;
    switch (command) {
    case CommandCopyPath:
        text = entry->location.path();
        break;
    case CommandCopyName:
        text = entry->location.name;
        break;
    case CommandCopyDimensions:
        text = dimensionsText(entry->rect.width, entry->rect.height);
        break;
    case CommandCopyDate:
        text = dateTimeText(entry->time);
        break;
    default:
        return;
    }
    system_.actions->copyText(text, host_.model().values.playSound);
}

void MainWindowController::openCurrentWithEditor() {
    if (const HistoryEntry* entry = current()) {
        system_.actions->openWithEditor(host_.model().values.externalEditorPath,
                                        entry->location.path());
    }
}

void MainWindowController::openCurrent() {
    const HistoryEntry* entry = current();
    if (entry && system_.actions->fileExists(entry->location.path())) {
        system_.actions->openFile(entry->location.path());
    }
}

void MainWindowController::deleteCurrent() {
    if (const HistoryEntry* entry = current()) {
        host_.model().history.remove(*entry);
    }
}

void MainWindowController::deleteAll() {
    host_.model().history.removeAll();
}

void MainWindowController::openOutputFolder() {
    const WideString& folder = host_.model().values.outputFolder;
    if (system_.actions->folderExists(folder)) {
        system_.actions->openFolder(folder);
    }
}

void MainWindowController::openHomePage() {
    system_.actions->openWebAddress(kHomePageAddress);
}

void MainWindowController::showAbout() {
    if (about_ && about_->isShown()) {
        about_->activate();
        return;
    }
    about_ = std::make_unique<AboutWindow>(host_.product(), window_.get());
    static_cast<AboutWindow&>(*about_).onHomePage = [this] { openHomePage(); };
    about_->exec();
}

// --- The list's menu ---

void MainWindowController::openListMenu(Point screen) {
    if (!listMenu_) {
        listMenu_ = makeScreenshotListMenu();
        listMenu_->onTriggered = [this](int32_t id) { runListCommand(id); };
    }
    UIMenu& menu = *listMenu_;
    if (!editorTextsKnown_) {
        updateEditorTexts();
    }
    const WideString& editor = host_.model().values.externalEditorPath;
    const bool editorExists = system_.actions->fileExists(editor);
    menu.setItemText(CommandEditor, editorExists
                                        ? fillPlaceholder(translate(u"Open with ^", kListMenu),
                                                          system_.actions->programName(editor))
                                        : translate(u"Open with external editor", kListMenu));
    menu.setItemEnabled(CommandEditor, editorExists);
    menu.popup(screen, window_.get());
}

void MainWindowController::runListCommand(int32_t id) {
    switch (id) {
    case CommandSaveAs:
        saveCurrentAs();
        break;
    case CommandCopy:
        copyCurrentImage();
        break;
    case CommandEditor:
        openCurrentWithEditor();
        break;
    case CommandDelete:
        deleteCurrent();
        break;
    default:
        copyCurrentText(id);
        break;
    }
}

// --- The notification icon ---

void MainWindowController::createNotificationIcon() {
    if (icon_) {
        return;
    }
    icon_ = std::make_unique<NotificationIcon>(system_.makeIcon);
    icon_->setTip(host_.product().instanceName);
    icon_->setImage(windowIcons().small);
    buildIconMenu();
    icon_->show();
    icon_->onClicked = [this](const NotificationIconEvent& event) {
        if (event.button == 1) {
            toggle();
        }
    };
    // What the first paint did not need.
    later([this] {
        if (!editorTextsKnown_) {
            updateEditorTexts();
        }
        if (hotkeys_->printScreenRefused()) {
            showPrintScreenNotice();
        }
    });
}

void MainWindowController::buildIconMenu() {
    std::unique_ptr<UIMenu> menu = makeNotificationIconMenu();
    menu->onAboutToShow = [this](UIMenu& opening) {
        showNotificationToggleState(opening, isVisible() && !window_->nativeWindow().isMinimized());
    };
    menu->onTriggered = [this](int32_t id) {
        if (id == IconToggle) {
            toggle();
        } else if (id == IconHomePage) {
            openHomePage();
        } else if (id == IconExit) {
            // The exit destroys the icon and this menu: after the menu's event.
            later([this] { host_.exit(); });
        }
    };
    icon_->setContextMenu(std::move(menu));
}

// PrintScreen belongs to another program (recent Windows gives it to its own
// screen snipping; cloud storage tools take it too): said once, never again.
void MainWindowController::showPrintScreenNotice() {
    const SettingsStore& settings = host_.settings();
    const WideString folder = settings.folderPath();
    SettingsStore notices(WideString(kNoticesFile), fileNameOf(folder), parentFolder(folder));
    if (notices.get(kPrintScreenNoticeKey, SettingValue::boolean(false)).toBool()) {
        return;
    }
    if (notices.contains(kPrintScreenNoticeKey)) {
        notices.set(kPrintScreenNoticeKey, SettingValue::boolean(true));
    } else {
        notices.add(WideString(kPrintScreenNoticeKey), SettingValue::boolean(true));
    }
    notices.save();
    notice_ = std::make_unique<UIBalloonTip>();
    notice_->setTitleText(translate(u"The PrintScreen key is taken", u"Messages"));
    notice_->setText(translate(u"Another program uses the PrintScreen key, so it does not "
                               u"start a capture here.|Capture with the button in %app's "
                               u"window or its capture hotkey, or turn the other program's "
                               u"PrintScreen shortcut off.",
                               u"Messages"));
    notice_->setTimeout(30000);
    notice_->onClicked = [this] { bringToFront(); };
    notice_->showAt(icon_->anchor());
}

} // namespace fw
