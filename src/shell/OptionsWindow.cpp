#include "shell/OptionsWindow.h"

#include "capture/Screen.h"
#include "i18n/Translation.h"
#include "output/ImageFile.h"
#include "output/NamePattern.h"
#include "platform/Files.h"
#include "platform/Time.h"
#include "resources/PackImages.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "settings/StartupEntry.h"
#include "settings/WindowGeometry.h"
#include "shell/GlobalHotkeys.h"
#include "shell/OptionsDialogs.h"
#include "shell/UIHotKey.h"
#include "shell/WindowController.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UIComboBox.h"
#include "ui/UIEvent.h"
#include "ui/UIGroup.h"
#include "ui/UILabel.h"
#include "ui/UILayout.h"
#include "ui/UILineEdit.h"
#include "ui/UIMenu.h"
#include "ui/UIMessageBox.h"
#include "ui/UISpinBox.h"
#include "ui/UIStack.h"
#include "ui/UIToolBar.h"

#include <algorithm>

namespace fw {

namespace {

constexpr WideStringView kGroup = u"OptionsWindow";
constexpr const char16_t* kCounterTexts[kCounterChoices] = {u"1", u"01", u"001", u"0001", u"00001"};

constexpr Margins kGroupMargins{10, 8, 10, 10};
// Wide enough for a path to be read without scrolling.
constexpr const char16_t* kPathFieldSize = u"280,0";

struct PageInfo {
    const char16_t* title;
    const char16_t* image;
};
constexpr PageInfo kPages[kOptionsPageCount] = {{u"General", u"toolbar_options01"},
                                                {u"Output", u"toolbar_options02"},
                                                {u"History", u"toolbar_options03"},
                                                {u"Hotkeys", u"toolbar_options04"},
                                                {u"Advanced", u"toolbar_options05"}};

WideString text(const char16_t* english) {
    return translate(english, kGroup);
}

// A grid of label, field and button columns on `owner`; the field column takes
// what is left.
UIGridLayout& giveGrid(UIWidget& owner, Margins margins = Margins{0, 0, 0, 0}) {
    auto grid = std::make_unique<UIGridLayout>();
    UIGridLayout& cells = *grid;
    cells.setMargins(margins);
    cells.setHorizontalSpacing(8);
    cells.setVerticalSpacing(10);
    cells.setColumnStretch(1, 1);
    owner.setLayout(std::move(grid));
    return cells;
}

// A new page whose controls go into the returned box, at the page's top.
UIBox& addPage(UIStack& stack) {
    UIStackPage* page = stack.addPage();
    UIBoxLayout* column = page->setBoxLayout(Direction::Vertical);
    column->setMargins(0);
    auto* content = page->add<UIBox>();
    column->addWidget(content);
    column->addStretch(1);
    return *content;
}

void setHotkey(UIHotKey& field, int64_t value) {
    const HotkeyRecord record = hotkeyFromValue(0, value);
    if (record.key == 0) {
        field.clear();
    } else {
        field.setValue(record.key, record.modifiers);
    }
}

// A path reads from its drive: the caret goes to the start.
void showFromStart(UILineEdit& field, const WideString& value) {
    field.setText(value);
    field.setSelection(0, 0);
}

CaptureTime now() {
    return captureTimeOf(os::localNow());
}

// What OK does in the running program.
class SystemApplyHost : public OptionsApplyHost {
public:
    SystemApplyHost(OptionsContext& context, UIWindow*& window)
        : context_(context), window_(window) {}
    bool fileExists(WideStringView path) override { return os::fileExists(path); }
    bool folderExists(WideStringView path) override { return os::folderExists(path); }
    void setStartupEntry(bool enabled) override {
        SetStartupEntry(context_.product.instanceName, context_.product.executablePath, enabled);
    }
    void moveScreenshotsTo(WideStringView folder) override {
        ScreenshotHistory& history = context_.model.history;
        history.moveFilesTo(folder);
        // The list on disk follows the files at once: a crash must not leave
        // it pointing at the old folder.
        history.save();
    }
    bool applyHotkeys(const HotkeyChoice& choice, HotkeyFailure& failure) override {
        return applyHotkeyChoice(context_.hotkeys, context_.store, choice, failure);
    }
    void showHotkeyFailure(const HotkeyFailure& failure) override {
        showMessageBox(window_, text(u"Options"), failure.detail + u"\n" + failure.message,
                       MessageBoxOk, MessageIcon::Warning);
    }
    bool saveSettings() override { return context_.saveSettings(); }

private:
    OptionsContext& context_;
    UIWindow*& window_;
};

} // namespace

OptionsWindow::OptionsWindow(SettingsStore& store, SettingsModel& model, OptionsApplyHost& host,
                             bool startupEntryPresent, UIWindow* owner)
    : UIWindow(u"UIWindow"), store_(store), model_(model), host_(host) {
    setName(u"options");
    setOwnerWindow(owner);
    setWindowFlags(WindowSystemMenu);
    setTitle(text(u"Options"));
    auto layout = std::make_unique<UIBoxLayout>(Direction::Vertical);
    layout->setMargins(Margins{0, 0, 0, 14});
    layout->setSpacing(14);
    setLayout(std::move(layout));
    buildPages();
    buildButtons();
    showChoice(withUsableEditor(readOptionsChoice(store_, model_, startupEntryPresent)));
    const int32_t stored = store_.get(keys::kWindowOptionsPage, SettingValue::int32(0)).toInt32();
    showPage(std::clamp(stored, 0, kOptionsPageCount - 1));
}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::buildPages() {
    auto& column = static_cast<UIBoxLayout&>(*layout());
    c_.pages = add<UIToolBar>();
    c_.pages->setName(u"pages");
    c_.pages->setExclusive(true);
    c_.pages->setButtonStyle(ToolButtonStyle::TextUnderIcon);
    c_.pages->setProperty(u"buttonPadding", u"10,4,10,4");
    c_.pages->setProperty(u"buttonSpacing", u"4");
    c_.pages->setProperty(u"padding", u"12,6,12,6");
    for (int32_t i = 0; i < kOptionsPageCount; ++i) {
        UIToolButton* button =
            c_.pages->addButton(text(kPages[i].title), loadPackImage(kPages[i].image));
        button->setCheckable(true);
        button->onClicked = [this, i] { showPage(i); };
    }
    column.addWidget(c_.pages);
    c_.stack = add<UIStack>();
    c_.stack->setUniformSize(true);
    auto pages = std::make_unique<UIBoxLayout>(Direction::Vertical);
    UIBoxLayout* inset = column.addLayout(std::move(pages), 1);
    inset->setMargins(Margins{18, 4, 18, 0});
    inset->addWidget(c_.stack, 1);
    buildGeneralPage();
    buildOutputPage();
    buildHistoryPage();
    buildHotkeysPage();
    buildAdvancedPage();
}

void OptionsWindow::buildGeneralPage() {
    UIBox& page = addPage(*c_.stack);
    UIGridLayout& grid = giveGrid(page);
    grid.addWidget(page.add<UILabel>(text(u"Language:")), 0, 0);
    c_.language = page.add<UIComboBox>();
    c_.language->setName(u"language");
    for (const LanguageInfo& info : listLanguages()) {
        c_.language->addItem(info.language, info.fileTitle);
    }
    grid.addWidget(c_.language, 0, 1, 1, 2);
    UICheckBox** boxes[] = {&c_.loadOnStartup, &c_.minimizeToTray, &c_.closeToTray, &c_.playSound,
                            &c_.sendStatistics};
    const char16_t* labels[] = {u"Load on Windows startup.", u"Minimize to notification area.",
                                u"Close to notification area.", u"Play sound.",
                                u"Automatically send anonymous usage statistics."};
    for (int32_t i = 0; i < 5; ++i) {
        *boxes[i] = page.add<UICheckBox>(text(labels[i]));
        grid.addWidget(*boxes[i], 1 + i, 0, 1, 3);
    }
    grid.addWidget(page.add<UILabel>(text(u"External editor:")), 6, 0);
    c_.editor = page.add<UILineEdit>();
    c_.editor->setName(u"editor");
    c_.editor->setProperty(u"minimumSize", kPathFieldSize);
    grid.addWidget(c_.editor, 6, 1);
    c_.browseEditor = page.add<UIButton>(text(u"Browse..."));
    c_.browseEditor->onClicked = [this] { browseEditor(); };
    grid.addWidget(c_.browseEditor, 6, 2);
}

void OptionsWindow::buildOutputPage() {
    UIBox& page = addPage(*c_.stack);
    UIGridLayout& grid = giveGrid(page);
    auto* file = page.add<UIGroup>(text(u"File:"));
    UIBox& box = *file->contents();
    UIGridLayout& cells = giveGrid(box, kGroupMargins);
    cells.addWidget(box.add<UILabel>(text(u"Format:")), 0, 0);
    c_.format = box.add<UIComboBox>();
    for (int32_t format = 0; format < 3; ++format) {
        c_.format->addItem(translate(formatName(format), kGroup));
    }
    c_.format->onChanged = [this](int32_t) { updateSample(); };
    cells.addWidget(c_.format, 0, 1, 1, 2);
    cells.addWidget(box.add<UILabel>(text(u"Name pattern:")), 1, 0);
    c_.pattern = box.add<UILineEdit>();
    c_.pattern->setName(u"pattern");
    c_.pattern->onChanged = [this] { updateSample(); };
    cells.addWidget(c_.pattern, 1, 1);
    c_.autoText = box.add<UIButton>(text(u"Insert AutoText"));
    c_.autoText->onClicked = [this] { showAutoTextMenu(); };
    cells.addWidget(c_.autoText, 1, 2);
    cells.addWidget(box.add<UILabel>(text(u"Counter format:")), 2, 0);
    c_.counter = box.add<UIComboBox>();
    for (const char16_t* counter : kCounterTexts) {
        c_.counter->addItem(counter);
    }
    c_.counter->onChanged = [this](int32_t) { updateSample(); };
    cells.addWidget(c_.counter, 2, 1, 1, 1, AlignLeft);
    cells.addWidget(box.add<UILabel>(text(u"Sample:")), 3, 0);
    c_.sample = box.add<UILabel>();
    c_.sample->setName(u"sample");
    cells.addWidget(c_.sample, 3, 1, 1, 2);
    // The folder belongs with the file it receives: one column of labels.
    cells.addWidget(box.add<UILabel>(text(u"Folder:")), 4, 0);
    c_.folder = box.add<UILineEdit>();
    c_.folder->setName(u"folder");
    c_.folder->setProperty(u"minimumSize", kPathFieldSize);
    cells.addWidget(c_.folder, 4, 1);
    c_.browseFolder = box.add<UIButton>(text(u"Browse..."));
    c_.browseFolder->onClicked = [this] { browseFolder(); };
    cells.addWidget(c_.browseFolder, 4, 2);
    grid.addWidget(file, 0, 0, 1, 3);

    auto* misc = page.add<UIGroup>(text(u"Miscellaneous:"));
    UIBox& more = *misc->contents();
    UIGridLayout& rows = giveGrid(more, kGroupMargins);
    c_.includeCursor = more.add<UICheckBox>(text(u"Capture mouse cursor."));
    rows.addWidget(c_.includeCursor, 0, 0, 1, 3);
    c_.autoCopy = more.add<UICheckBox>(text(u"Automatically copy screenshot to clipboard."));
    rows.addWidget(c_.autoCopy, 1, 0, 1, 3);
    grid.addWidget(misc, 1, 0, 1, 3);
}

void OptionsWindow::buildHistoryPage() {
    UIBox& page = addPage(*c_.stack);
    UIGridLayout& grid = giveGrid(page);
    c_.historyEnable = page.add<UICheckBox>(text(u"Enable history."));
    c_.historyEnable->onToggled = [this](bool) { updateHistoryControls(); };
    grid.addWidget(c_.historyEnable, 0, 0, 1, 3);
    grid.addWidget(page.add<UILabel>(text(u"Remember for at least:")), 1, 0);
    // The number and its unit read as one phrase.
    auto* limit = page.add<UIBox>(Direction::Horizontal);
    limit->boxLayout()->setMargins(0);
    limit->boxLayout()->setSpacing(8);
    c_.historyLimit = limit->add<UISpinBox>();
    c_.historyLimit->setName(u"historyLimit");
    c_.historyLimit->setRange(kMinHistoryLimit, kMaxHistoryLimit);
    c_.historyLimit->setSizePolicy(SizePolicy::Fixed, SizePolicy::Fixed);
    limit->boxLayout()->addWidget(c_.historyLimit);
    c_.historyMode = limit->add<UIComboBox>();
    c_.historyMode->addItem(text(u"Days"));
    c_.historyMode->addItem(text(u"Screenshots"));
    limit->boxLayout()->addWidget(c_.historyMode);
    limit->boxLayout()->addStretch(1);
    grid.addWidget(limit, 1, 1, 1, 2);
    c_.recycleBin = page.add<UICheckBox>(text(u"Move deleted screenshots to the Recycle Bin."));
    grid.addWidget(c_.recycleBin, 2, 0, 1, 3);
}

void OptionsWindow::buildHotkeysPage() {
    UIBox& page = addPage(*c_.stack);
    UIGridLayout& grid = giveGrid(page);
    grid.addWidget(page.add<UILabel>(text(u"Show/Hide hotkey:")), 0, 0);
    c_.showHideHotkey = page.add<UIHotKey>();
    c_.showHideHotkey->setName(u"showHideHotkey");
    grid.addWidget(c_.showHideHotkey, 0, 1, 1, 2);
    grid.addWidget(page.add<UILabel>(text(u"Capture hotkey:")), 1, 0);
    c_.captureHotkey = page.add<UIHotKey>();
    c_.captureHotkey->setName(u"captureHotkey");
    grid.addWidget(c_.captureHotkey, 1, 1, 1, 2);
    c_.usePrintScreen = page.add<UICheckBox>(text(u"Use PrintScreen Key."));
    grid.addWidget(c_.usePrintScreen, 2, 0, 1, 3);
}

void OptionsWindow::buildAdvancedPage() {
    UIBox& page = addPage(*c_.stack);
    UIGridLayout& grid = giveGrid(page);
    grid.addWidget(page.add<UILabel>(text(u"Capture delay:")), 0, 0);
    c_.captureDelay = page.add<UISpinBox>();
    c_.captureDelay->setName(u"captureDelay");
    c_.captureDelay->setRange(kMinCaptureDelay, kMaxCaptureDelay);
    c_.captureDelay->setStep(50);
    grid.addWidget(c_.captureDelay, 0, 1);
    grid.addWidget(page.add<UILabel>(text(u"milliseconds.")), 0, 2);
    grid.setColumnStretch(1, 0);
    grid.setColumnStretch(3, 1);
}

void OptionsWindow::buildButtons() {
    UIBoxLayout* row = static_cast<UIBoxLayout*>(layout())->addRow();
    row->setMargins(Margins{18, 0, 18, 0});
    row->setSpacing(8);
    c_.reset = add<UIButton>(text(u"Reset to defaults"));
    c_.reset->setName(u"reset");
    c_.reset->onClicked = [this] { resetToDefaults(); };
    row->addWidget(c_.reset);
    row->addStretch(1);
    c_.ok = add<UIButton>(text(u"OK"));
    c_.ok->setName(u"ok");
    c_.ok->setProperty(u"minimumSize", u"84,0");
    c_.ok->onClicked = [this] { applyOptions(); };
    c_.cancel = add<UIButton>(text(u"Cancel"));
    c_.cancel->setName(u"cancel");
    c_.cancel->setProperty(u"minimumSize", u"84,0");
    c_.cancel->onClicked = [this] { close(); };
    row->addWidget(c_.ok);
    row->addWidget(c_.cancel);
    setDefaultAction([this] { applyOptions(); });
}

// --- Values ---

OptionsChoice OptionsWindow::choice() const {
    c_.historyLimit->commit();
    c_.captureDelay->commit();
    OptionsChoice out;
    out.language = c_.language->currentData();
    out.loadOnStartup = c_.loadOnStartup->isChecked();
    out.minimizeToNotificationArea = c_.minimizeToTray->isChecked();
    out.closeToNotificationArea = c_.closeToTray->isChecked();
    out.playSound = c_.playSound->isChecked();
    out.sendStatistics = c_.sendStatistics->isChecked();
    out.editor = trim(c_.editor->text());
    out.format = std::max(c_.format->currentIndex(), 0);
    out.pattern = c_.pattern->text();
    out.counterChoice = std::max(c_.counter->currentIndex(), 0);
    out.folder = trim(c_.folder->text());
    out.includeMouseCursor = c_.includeCursor->isChecked();
    out.autoCopyToClipboard = c_.autoCopy->isChecked();
    out.historyEnable = c_.historyEnable->isChecked();
    out.historyLimit = c_.historyLimit->value();
    out.historyMode = std::max(c_.historyMode->currentIndex(), 0);
    out.deleteToRecycleBin = c_.recycleBin->isChecked();
    out.showHideHotkey = c_.showHideHotkey->value();
    out.captureHotkey = c_.captureHotkey->value();
    out.usePrintScreen = c_.usePrintScreen->isChecked();
    out.captureDelay = c_.captureDelay->value();
    return out;
}

void OptionsWindow::showChoice(const OptionsChoice& in) {
    c_.language->setCurrentIndex(c_.language->findData(in.language));
    c_.loadOnStartup->setChecked(in.loadOnStartup);
    c_.minimizeToTray->setChecked(in.minimizeToNotificationArea);
    c_.closeToTray->setChecked(in.closeToNotificationArea);
    c_.playSound->setChecked(in.playSound);
    c_.sendStatistics->setChecked(in.sendStatistics);
    showFromStart(*c_.editor, in.editor);
    c_.format->setCurrentIndex(in.format);
    showFromStart(*c_.pattern, in.pattern);
    c_.counter->setCurrentIndex(in.counterChoice);
    showFromStart(*c_.folder, in.folder);
    c_.includeCursor->setChecked(in.includeMouseCursor);
    c_.autoCopy->setChecked(in.autoCopyToClipboard);
    c_.historyEnable->setChecked(in.historyEnable);
    c_.historyLimit->setValue(in.historyLimit);
    c_.historyMode->setCurrentIndex(in.historyMode);
    c_.recycleBin->setChecked(in.deleteToRecycleBin);
    setHotkey(*c_.showHideHotkey, in.showHideHotkey);
    setHotkey(*c_.captureHotkey, in.captureHotkey);
    c_.usePrintScreen->setChecked(in.usePrintScreen);
    c_.captureDelay->setValue(in.captureDelay);
    updateHistoryControls();
    updateSample();
}

void OptionsWindow::updateSample() {
    const WideString sample =
        optionsSample(c_.pattern->text(), std::max(c_.counter->currentIndex(), 0),
                      std::max(c_.format->currentIndex(), 0), now());
    c_.sample->setText(sample);
    c_.sample->setToolTip(sample);
    c_.autoText->setToolTip(autoTextHelp(now()));
}

void OptionsWindow::updateHistoryControls() {
    const bool on = c_.historyEnable->isChecked();
    c_.historyLimit->setEnabled(on);
    c_.historyMode->setEnabled(on);
    c_.recycleBin->setEnabled(on);
}

OptionsChoice OptionsWindow::withUsableEditor(OptionsChoice choice) const {
    // The default editor is missing on some systems: offered anyway, it would
    // make every OK fail without a word.
    if (!choice.editor.empty() && !host_.fileExists(choice.editor)) {
        choice.editor.clear();
    }
    return choice;
}

// --- Pages ---

void OptionsWindow::showPage(int32_t page) {
    if (page < 0 || page >= kOptionsPageCount) {
        return;
    }
    c_.stack->setCurrentIndex(page);
    const std::vector<UIToolButton*> buttons = c_.pages->buttons();
    buttons[static_cast<size_t>(page)]->setChecked(true);
    c_.pages->uncheckOthers(buttons[static_cast<size_t>(page)]);
    if (store_.get(keys::kWindowOptionsPage, SettingValue::int32(0)).toInt32() != page) {
        store_.set(keys::kWindowOptionsPage, SettingValue::int32(page));
    }
}

int32_t OptionsWindow::currentPage() const {
    return c_.stack->currentIndex();
}

bool OptionsWindow::onWindowKey(const KeyEvent& event) {
    const uint32_t withoutShift = event.modifiers & ~uint32_t(ModifierShift);
    if (event.key == KeyTab && withoutShift == ModifierControl) {
        const bool back = (event.modifiers & ModifierShift) != 0;
        const bool focusInPage = focusWidget() && c_.stack->isAncestorOf(focusWidget());
        showPage((currentPage() + (back ? kOptionsPageCount - 1 : 1)) % kOptionsPageCount);
        if (focusInPage || !focusWidget()) {
            setFocusWidget(firstTabStopIn(*c_.stack->currentPage()));
        }
        return true;
    }
    return UIWindow::onWindowKey(event);
}

// --- Actions ---

bool OptionsWindow::applyOptions() {
    if (fw::applyOptions(choice(), store_, model_, host_) != ApplyResult::Applied) {
        return false;
    }
    applied_ = true;
    close();
    return true;
}

void OptionsWindow::resetToDefaults() {
    const SettingsEnvironment& environment = model_.environment();
    showChoice(withUsableEditor(defaultOptionsChoice(
        c_.language->currentData(), environment.desktopFolder, environment.defaultEditorPath)));
}

void OptionsWindow::browseFolder() {
    WideString start = trim(c_.folder->text());
    if (!os::folderExists(start)) {
        start = model_.environment().desktopFolder;
    }
    WideString chosen;
    if (chooseFolder(nativeWindow().handle(),
                     translate(u"Please select a folder.", u"StandartDialogs"), start, chosen)) {
        c_.folder->setText(chosen);
    }
}

void OptionsWindow::browseEditor() {
    WideString chosen;
    if (chooseProgram(nativeWindow().handle(), translate(u"EXE Files", u"StandartDialogs"),
                      parentFolder(trim(c_.editor->text())), chosen)) {
        c_.editor->setText(chosen);
    }
}

void OptionsWindow::insertAutoText(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(NamePattern::kTokens.size())) {
        return;
    }
    c_.pattern->insertText(NamePattern::kTokens[static_cast<size_t>(index)]);
    setFocusWidget(c_.pattern);
    updateSample();
}

void OptionsWindow::showAutoTextMenu() {
    if (!autoTextMenu_) {
        autoTextMenu_ = std::make_unique<UIMenu>();
        for (size_t i = 0; i < NamePattern::kTokens.size(); ++i) {
            autoTextMenu_->addItem(static_cast<int32_t>(i), WideString(NamePattern::kTokens[i]));
        }
        autoTextMenu_->onTriggered = [this](int32_t index) { insertAutoText(index); };
    }
    Rect anchor = c_.autoText->windowRect();
    if (nativeWindow().exists()) {
        const Point origin = nativeWindow().clientToScreen(Point{anchor.x, anchor.y});
        anchor.x = origin.x;
        anchor.y = origin.y;
    }
    autoTextMenu_->dropDown(anchor, this, c_.autoText);
}

// --- Closing ---

bool OptionsWindow::onCloseRequest() {
    if (nativeWindow().exists()) {
        SaveWindowGeometry(store_, u"Options", nativeWindow().frameRect(), false,
                           os::virtualScreenRect());
    }
    return UIWindow::onCloseRequest();
}

void OptionsWindow::restorePlace() {
    if (!createNative()) {
        return;
    }
    adjustSize();
    NativeWindow& native = nativeWindow();
    native.setFrameRect(RestoreWindowGeometry(store_, u"Options", false, native.frameRect(), Size{},
                                              currentScreenLayout()));
}

bool openOptions(OptionsContext& context, UIWindow* owner) {
    UIWindow* shown = nullptr;
    SystemApplyHost host(context, shown);
    const bool startup =
        IsStartupEntryPresent(context.product.instanceName, context.product.executablePath);
    OptionsWindow window(context.store, context.model, host, startup, owner);
    shown = &window;
    window.restorePlace();
    window.setFocusWidget(firstTabStopIn(*window.controls().stack->currentPage()));
    window.exec();
    return window.wasApplied();
}

} // namespace fw
