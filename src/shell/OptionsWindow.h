#pragma once
// The options window: five pages (General, Output, History, Hotkeys,
// Advanced) chosen from a tool bar, filled from the settings when it opens and
// applied only by OK. It remembers its place and its last page, runs modally
// and is destroyed when it closes.
#include "shell/OptionsChoice.h"
#include "ui/UIWindow.h"

#include <array>
#include <functional>

namespace fw {

class GlobalHotkeys;
class SettingsModel;
class SettingsStore;
class UIButton;
class UICheckBox;
class UIComboBox;
class UIHotKey;
class UILabel;
class UILineEdit;
class UIMenu;
class UISpinBox;
class UIStack;
class UIToolBar;
struct ProductInfo;

inline constexpr int32_t kOptionsPageCount = 5;

class OptionsWindow : public UIWindow {
public:
    OptionsWindow(SettingsStore& store, SettingsModel& model, OptionsApplyHost& host,
                  bool startupEntryPresent, UIWindow* owner);
    ~OptionsWindow() override;

    // What the controls show now (fields being typed in are taken as they stand).
    OptionsChoice choice() const;
    void showChoice(const OptionsChoice& choice);

    // Page 0 General ... 4 Advanced; the store learns the page at once.
    void showPage(int32_t page);
    int32_t currentPage() const;

    // OK: true when everything was applied and the window closed.
    bool applyOptions();
    bool wasApplied() const { return applied_; }
    void resetToDefaults();
    void browseFolder();
    void browseEditor();
    // Puts token `index` (0 "[COUNTER]" ... 8 "[SEC]") into the pattern at the caret.
    void insertAutoText(int32_t index);
    void updateSample();

    // Places the window where it was last closed (centred when that is off screen).
    void restorePlace();

    // The controls, for tests and the screens tool.
    struct Controls {
        UIToolBar* pages = nullptr;
        UIStack* stack = nullptr;
        UIComboBox* language = nullptr;
        UICheckBox* loadOnStartup = nullptr;
        UICheckBox* minimizeToTray = nullptr;
        UICheckBox* closeToTray = nullptr;
        UICheckBox* playSound = nullptr;
        UICheckBox* sendStatistics = nullptr;
        UILineEdit* editor = nullptr;
        UIButton* browseEditor = nullptr;
        UIComboBox* format = nullptr;
        UILineEdit* pattern = nullptr;
        UIButton* autoText = nullptr;
        UIComboBox* counter = nullptr;
        UILabel* sample = nullptr;
        UILineEdit* folder = nullptr;
        UIButton* browseFolder = nullptr;
        UICheckBox* includeCursor = nullptr;
        UICheckBox* autoCopy = nullptr;
        UICheckBox* historyEnable = nullptr;
        UISpinBox* historyLimit = nullptr;
        UIComboBox* historyMode = nullptr;
        UICheckBox* recycleBin = nullptr;
        UIHotKey* showHideHotkey = nullptr;
        UIHotKey* captureHotkey = nullptr;
        UICheckBox* usePrintScreen = nullptr;
        UISpinBox* captureDelay = nullptr;
        UIButton* reset = nullptr;
        UIButton* ok = nullptr;
        UIButton* cancel = nullptr;
    };
    const Controls& controls() const { return c_; }
    // The "Insert AutoText" menu (built when first opened).
    UIMenu* autoTextMenu() const { return autoTextMenu_.get(); }

protected:
    bool onCloseRequest() override;
    bool onWindowKey(const KeyEvent& event) override;

private:
    void buildPages();
    void buildGeneralPage();
    void buildOutputPage();
    void buildHistoryPage();
    void buildHotkeysPage();
    void buildAdvancedPage();
    void buildButtons();
    void showAutoTextMenu();
    void updateHistoryControls();
    // Without an editor that does not exist.
    OptionsChoice withUsableEditor(OptionsChoice choice) const;

    SettingsStore& store_;
    SettingsModel& model_;
    OptionsApplyHost& host_;
    Controls c_;
    std::unique_ptr<UIMenu> autoTextMenu_;
    bool applied_ = false;
};

// Everything the options window works on in the running program.
struct OptionsContext {
    SettingsStore& store;
    SettingsModel& model;
    GlobalHotkeys& hotkeys;
    const ProductInfo& product;
    // Writes config.dat (the model and the window keys); OK ends with it.
    std::function<bool()> saveSettings;
};

// Builds the options window over `owner`, fills it, shows the remembered page
// at the remembered place and runs it modally. True when OK applied it.
bool openOptions(OptionsContext& context, UIWindow* owner);

} // namespace fw
