#include "shell/MainWindowController.h"

#include "shell/ModeOptionsWindow.h"

#include "capture/Screen.h"
#include "i18n/Translation.h"
#include "output/HistoryText.h"
#include "output/ImageFile.h"
#include "platform/Time.h"
#include "resources/PackImages.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "settings/WindowGeometry.h"
#include "shell/GlobalHotkeys.h"
#include "shell/HotkeySettings.h"
#include "shell/MainWindow.h"
#include "shell/ModeOptionsWindow.h"
#include "shell/NotificationIcon.h"
#include "shell/ScreenshotList.h"
#include "shell/UIModes.h"
#include "ui/NativeDialogs.h"
#include "ui/UIBalloonTip.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UIList.h"
#include "ui/UIMenu.h"
#include "ui/UISlider.h"
#include "ui/UIToolButton.h"

#include <algorithm>

namespace fw {

namespace {

constexpr WideStringView kToolTips = u"MainWindow/ToolTips";

WideStringView formatPicture(int32_t format) {
    switch (format) {
    case kFormatBmp:
        return u"mode_options_format_bmp";
    case kFormatJpg:
        return u"mode_options_format_jpg";
    default:
        return u"mode_options_format_png";
    }
}

WideString languageSetting(const SettingsStore& store) {
    return store.get(keys::kLanguage, SettingValue::text(WideString(kDefaultLanguage))).toText();
}

bool readBool(const SettingsStore& store, WideStringView key, bool fallback) {
    return store.get(key, SettingValue::boolean(fallback)).toBool();
}

} // namespace

MainWindowSystem MainWindowSystem::real() {
    MainWindowSystem system;
    system.actions = std::make_unique<ScreenshotActions>();
    system.makeIcon = makeNotificationIconNative;
    system.today = [] { return captureTimeOf(os::localNow()); };
    return system;
}

MainWindowController::MainWindowController(MainWindowHost& host, MainWindowSystem system)
    : host_(host), system_(std::move(system)) {
    window_ = std::make_unique<MainWindow>();
    list_ = std::make_unique<ScreenshotList>(*window_->controls().list);
    connect();
    SettingsStore& settings = host_.settings();
    if (readBool(settings, keys::kWindowMainTopMost, false)) {
        window_->setWindowFlags(window_->windowFlags() | WindowTopmost);
    }
    window_->createNative();
    const Size client = window_->defaultClientSize();
    const Rect work = os::primaryWorkArea();
    window_->setScreenRect(work.isEmpty() ? Rect{0, 0, client.width, client.height}
                                          : placeOnPrimary(client, work));
    host_.mainWindowCreated(windowHandle());
    installPlatformHooks();
    registerHotkeys();
    const SettingsValues& values = host_.model().values;
    window_->controls().modes->setCurrentMode(values.mode);
    window_->controls().zoom->setValue(values.previewListZoom);
    list_->setZoom(window_->controls().zoom->value());
    updateToggles();
    updateOperations();
    updateCount();
    updateCaptureToolTip();
    updateFolderToolTip();
}

MainWindowController::~MainWindowController() {
    host_.mainWindowDestroyed(windowHandle());
    // The keys go while the window that holds them still exists.
    hotkeys_.reset();
    notice_.reset();
    about_.reset();
    icon_.reset();
}

void* MainWindowController::windowHandle() const {
    return window_->nativeWindow().handle();
}

void MainWindowController::later(std::function<void()> action) {
    eventLoop().post(this, std::move(action));
}

void MainWindowController::registerHotkeys() {
    hotkeys_ = std::make_unique<GlobalHotkeys>(makeWindowHotkeyBackend(windowHandle()));
    registerStartupHotkeys(*hotkeys_, host_.settings(), host_.model().values.usePrintScreenKey);
}

// --- Showing and hiding ---

void MainWindowController::show(bool maximized) {
    if (maximized) {
        window_->showMaximized();
    } else {
        window_->show();
    }
    paintNow();
}

void MainWindowController::showInactive() {
    window_->showNoActivate();
}

void MainWindowController::hide() {
    window_->hide();
}

bool MainWindowController::isVisible() const {
    return window_->isShown();
}

void MainWindowController::bringToFront() {
    if (!window_->isShown()) {
        window_->show();
    }
    if (window_->nativeWindow().isMinimized()) {
        window_->nativeWindow().show(ShowMode::Restore);
    }
    window_->activate();
}

void MainWindowController::toggle() {
    // A minimized window is out of sight: the icon brings it back.
    if (!isVisible() || window_->nativeWindow().isMinimized()) {
        bringToFront();
        return;
    }
    if (openNativeDialogCount() > 0) {
        return;
    }
    for (UIWindow* other : UIWindow::allWindows()) {
        const WideString& kind = other->className();
        if (other != window_.get() && other->isShown() && kind != u"UIMenu" &&
            kind != u"UIToolTip" && kind != u"UIBalloonTip") {
            return;
        }
    }
    hide();
}

void MainWindowController::onMinimized() {
    // Without the icon there would be no way back but a second start.
    if (icon_ && readBool(host_.settings(), keys::kMinimizeToNotificationArea, true)) {
        hide();
    }
}

bool MainWindowController::onCloseRequest() {
    if (icon_ && readBool(host_.settings(), keys::kCloseToNotificationArea, true)) {
        return true;
    }
    // The exit destroys this window: it runs once the close has returned.
    later([this] { host_.exit(); });
    return false;
}

void MainWindowController::onHotkey(int32_t id) {
    switch (actionForHotkey(id)) {
    case HotkeyAction::ToggleMainWindow:
        toggle();
        break;
    case HotkeyAction::StartCapture:
        capture();
        break;
    case HotkeyAction::None:
        break;
    }
}

// --- Geometry ---

void MainWindowController::restoreGeometry() {
    NativeWindow& native = window_->nativeWindow();
    const Rect frame = native.frameRect();
    const Size minimum = window_->effectiveMinimumSize();
    const Rect minimumFrame = native.frameForClient(Rect{0, 0, minimum.width, minimum.height});
    const Rect placed =
        RestoreWindowGeometry(host_.settings(), u"Main", true, frame,
                              Size{minimumFrame.width, minimumFrame.height}, currentScreenLayout());
    native.setFrameRect(placed);
}

void MainWindowController::saveWindowSettings(SettingsStore& store) {
    NativeWindow& native = window_->nativeWindow();
    SaveWindowGeometry(store, u"Main", restoredFrameRect(), true, os::virtualScreenRect());
    store.set(keys::kWindowMainMaximized, SettingValue::boolean(native.isMaximized()));
}

// --- Connections ---

void MainWindowController::connect() {
    const MainWindowControls& c = window_->controls();
    c.stayOnTop->onClicked = [this] { toggleStayOnTop(); };
    c.options->onClicked = [this] { showOptions(); };
    c.options->setEnabled(host_.hasOptions());
    c.modeOptions->onClicked = [this] {
        showModeOptions(static_cast<CaptureMode>(host_.model().values.mode), host_.model().values,
                        window_.get());
    };
    c.homePage->onClicked = [this] { openHomePage(); };
    c.about->onClicked = [this] { showAbout(); };
    c.modes->onModeChosen = [this](int32_t mode) { chooseMode(mode); };
    c.modes->onCaptureRequested = [this](int32_t) { capture(); };
    SettingsValues& values = host_.model().values;
    c.cursorToggle->onClicked = [this, &values] { toggleSetting(values.includeMouseCursor); };
    c.clipboardToggle->onClicked = [this, &values] { toggleSetting(values.autoCopyToClipboard); };
    c.soundToggle->onClicked = [this, &values] { toggleSetting(values.playSound); };
    c.formatToggle->onClicked = [this] { cycleFormat(); };
    c.capture->onClicked = [this] { capture(); };
    c.saveAs->onClicked = [this] { saveCurrentAs(); };
    c.copy->onClicked = [this] { copyCurrentImage(); };
    c.editor->onClicked = [this] { openCurrentWithEditor(); };
    c.remove->onClicked = [this] { deleteCurrent(); };
    c.deleteAll->onClicked = [this] { deleteAll(); };
    c.zoomSmall->onClicked = [this] { setZoom(0); };
    c.zoomBig->onClicked = [this] { setZoom(kMaxListZoom); };
    c.zoom->onValueChanged = [this](int32_t value) { setZoom(value); };
    c.openFolder->onClicked = [this] { openOutputFolder(); };
    window_->onCloseRequested = [this] { return onCloseRequest(); };
    window_->onUnusedKey = [this](const KeyEvent& event) { return listKey(event); };
    connectList();
}

void MainWindowController::connectList() {
    UIList& list = *window_->controls().list;
    list_->onCurrentChanged = [this](HistoryEntry*) { updateOperations(); };
    list.onItemActivated = [this](int32_t) { openCurrent(); };
    list.onContextMenu = [this](int32_t index, Point screen) {
        if (index >= 0) {
            openListMenu(screen);
        }
    };
}

bool MainWindowController::listKey(const KeyEvent& event) {
    UIWidget* focus = window_->focusWidget();
    UIList* list = window_->controls().list;
    if (!focus || (focus != list && !list->isAncestorOf(focus))) {
        return false;
    }
    const uint32_t key = event.key;
    if (event.modifiers == 0 && key == KeyDelete) {
        deleteCurrent();
    } else if (event.modifiers == ModifierControl && key == KeyC) {
        copyCurrentImage();
    } else if ((event.modifiers & ~ModifierShift) == 0 && (key == KeyAdd || key == KeyOemPlus)) {
        zoomBy(1);
    } else if (event.modifiers == 0 && (key == KeySubtract || key == KeyOemMinus)) {
        zoomBy(-1);
    } else {
        return false;
    }
    return true;
}

// --- State shown by the controls ---

void MainWindowController::updateToggles() {
    const MainWindowControls& c = window_->controls();
    const SettingsValues& values = host_.model().values;
    const bool topmost = readBool(host_.settings(), keys::kWindowMainTopMost, false);
    c.stayOnTop->setIcon(
        window_->picture(topmost ? u"top_button_stay_on_top_on" : u"top_button_stay_on_top_off"));
    c.cursorToggle->setIcon(window_->picture(values.includeMouseCursor
                                                 ? u"mode_options_include_cursor"
                                                 : u"mode_options_include_cursor_off"));
    c.clipboardToggle->setIcon(window_->picture(values.autoCopyToClipboard
                                                    ? u"mode_options_auto_clipboard"
                                                    : u"mode_options_auto_clipboard_off"));
    c.formatToggle->setIcon(window_->picture(formatPicture(values.outputFileFormat)));
    c.soundToggle->setIcon(window_->picture(values.playSound ? u"mode_options_play_sound_on"
                                                             : u"mode_options_play_sound_off"));
}

void MainWindowController::updateOperations() {
    const MainWindowControls& c = window_->controls();
    const bool has = current() != nullptr;
    c.saveAs->setEnabled(has);
    c.copy->setEnabled(has);
    c.remove->setEnabled(has);
    c.editor->setEnabled(has &&
                         system_.actions->fileExists(host_.model().values.externalEditorPath));
}

void MainWindowController::updateCount() {
    const size_t count = host_.model().history.count();
    const MainWindowControls& c = window_->controls();
    c.count->setText(translateCount(u"^ screenshots", u"MainWindow", count));
    c.deleteAll->setEnabled(count > 0);
}

void MainWindowController::updateCaptureToolTip() {
    window_->controls().capture->setToolTip(translate(u"Capture", kToolTips) + u" - " +
                                            modeLabel(host_.model().values.mode));
}

void MainWindowController::updateEditorTexts() {
    const WideString& editor = host_.model().values.externalEditorPath;
    editorText_ = system_.actions->fileExists(editor)
                      ? fillPlaceholder(translate(u"Open with ^", kToolTips),
                                        system_.actions->programName(editor))
                      : translate(u"Open with external editor", kToolTips);
    window_->controls().editor->setToolTip(editorText_);
    editorTextsKnown_ = true;
}

void MainWindowController::updateFolderToolTip() {
    window_->controls().openFolder->setToolTip(translate(u"Open output folder", kToolTips) + u"\n" +
                                               host_.model().values.outputFolder);
}

void MainWindowController::retranslate() {
    window_->retranslate();
    list_->retranslate(system_.today());
    updateCount();
    updateCaptureToolTip();
    updateFolderToolTip();
    updateEditorTexts();
    listMenu_.reset();
    if (icon_) {
        buildIconMenu();
    }
}

void MainWindowController::showOptions() {
    const WideString before = languageSetting(host_.settings());
    host_.showOptions();
    const WideString after = languageSetting(host_.settings());
    if (after != before) {
        // Every window of the program changes language at the same moment.
        setLanguage(after);
        UIWindow::retranslateAll();
        retranslate();
    }
    refreshFromSettings();
}

void MainWindowController::refreshFromSettings() {
    updateFolderToolTip();
    updateToggles();
    updateEditorTexts();
    updateOperations();
}

// --- The history ---

void MainWindowController::entryShown(HistoryEntry& entry) {
    const auto& entries = host_.model().history.entries();
    const bool newest = !entries.empty() && &entries.back() == &entry;
    list_->add(entry, newest, system_.today());
}

void MainWindowController::entryRemoving(HistoryEntry& entry) {
    list_->remove(entry);
}

void MainWindowController::entryRefreshed(HistoryEntry& entry) {
    list_->refresh(entry, system_.today());
}

void MainWindowController::countChanged() {
    updateCount();
    updateOperations();
}

void MainWindowController::dateChanged() {
    list_->refreshCaptions(system_.today());
}

const HistoryEntry* MainWindowController::current() const {
    return list_->current();
}

// --- Quick options ---

void MainWindowController::toggleStayOnTop() {
    SettingsStore& settings = host_.settings();
    const bool topmost = !readBool(settings, keys::kWindowMainTopMost, false);
    window_->nativeWindow().setTopmost(topmost);
    const uint32_t flags = window_->windowFlags();
    window_->setWindowFlags(topmost ? flags | WindowTopmost : flags & ~WindowTopmost);
    settings.set(keys::kWindowMainTopMost, SettingValue::boolean(topmost));
    updateToggles();
}

void MainWindowController::cycleFormat() {
    int32_t& format = host_.model().values.outputFileFormat;
    format = (format + 1) % 3;
    updateToggles();
}

void MainWindowController::toggleSetting(bool& value) {
    value = !value;
    updateToggles();
}

void MainWindowController::chooseMode(int32_t mode) {
    host_.model().values.mode = mode;
    window_->controls().modes->setCurrentMode(mode);
    updateCaptureToolTip();
}

void MainWindowController::capture() {
    host_.startCapture(host_.model().values.mode);
}

void MainWindowController::setZoom(int32_t zoom) {
    zoom = std::clamp(zoom, 0, kMaxListZoom);
    host_.model().values.previewListZoom = zoom;
    UISlider& slider = *window_->controls().zoom;
    if (slider.value() != zoom) {
        slider.setValue(zoom);
    }
    list_->setZoom(zoom);
}

void MainWindowController::zoomBy(int32_t steps) {
    setZoom(host_.model().values.previewListZoom + steps * kListZoomStep);
}

} // namespace fw
