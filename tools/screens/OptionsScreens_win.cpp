// The options window, one screen per page, with the focus on the page's
// first control.
#include "Screens.h"

#include "settings/Defaults.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsStore.h"
#include "shell/OptionsWindow.h"
#include "ui/UIEvent.h"
#include "ui/UIStack.h"
#include "ui/UIToolBar.h"

namespace fw::screens {

namespace {

// Applying does nothing here: the screens only look.
class LookOnlyHost : public OptionsApplyHost {
public:
    bool fileExists(WideStringView) override { return true; }
    bool folderExists(WideStringView) override { return true; }
    void setStartupEntry(bool) override {}
    void moveScreenshotsTo(WideStringView) override {}
    bool applyHotkeys(const HotkeyChoice&, HotkeyFailure&) override { return true; }
    void showHotkeyFailure(const HotkeyFailure&) override {}
    bool saveSettings() override { return true; }
};

struct Sample {
    Sample() : store(u"config.dat", u"Framewing-screens"), model(environment()) {
        applyDefaults(store, standardDefaults());
        store.set(u"general/hotkeyCapture", SettingValue::int64((int64_t(6) << 32) + 0x50));
        model.values.outputFolder = u"C:\\Users\\Anna\\Pictures\\Screenshots";
        model.values.externalEditorPath = u"C:\\Program Files\\Paint Studio\\paintstudio.exe";
        model.values.outputFileNamePattern = u"ScreenShot-[YEAR]-[MONTH]-[DAY] [COUNTER]";
    }
    static SettingsEnvironment environment() {
        SettingsEnvironment e;
        e.fileExists = [](WideStringView) { return true; };
        e.folderExists = [](WideStringView) { return true; };
        e.unixTime = [] { return int64_t(0); };
        e.takeInstallerStatisticsConsent = [] { return false; };
        e.desktopFolder = u"C:\\Users\\Anna\\Desktop";
        e.defaultEditorPath = u"C:\\Windows\\system32\\mspaint.exe";
        return e;
    }
    SettingsStore store;
    SettingsModel model;
    LookOnlyHost host;
};

std::unique_ptr<UIWindow> optionsPage(int32_t page) {
    // The window keeps references to them for the tool's run.
    static Sample sample;
    auto window =
        std::make_unique<OptionsWindow>(sample.store, sample.model, sample.host, true, nullptr);
    window->showPage(page);
    // From the keyboard, so that the focus shows.
    window->setFocusWidget(firstTabStopIn(*window->controls().stack->currentPage()));
    window->focusNext(false);
    window->focusNext(true);
    return window;
}

const ScreenRegistration general(u"options-general", [] { return optionsPage(0); });
const ScreenRegistration output(u"options-output", [] { return optionsPage(1); });
const ScreenRegistration history(u"options-history", [] { return optionsPage(2); });
const ScreenRegistration hotkeys(u"options-hotkeys", [] { return optionsPage(3); });
const ScreenRegistration advanced(u"options-advanced", [] { return optionsPage(4); });

} // namespace

} // namespace fw::screens
