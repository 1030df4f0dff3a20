#include "shell/OptionsWindow.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "shell/UIHotKey.h"
#include "support/TempFolder.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UIComboBox.h"
#include "ui/UIEvent.h"
#include "ui/UILabel.h"
#include "ui/UILineEdit.h"
#include "ui/UISpinBox.h"
#include "ui/UIStack.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace fw {
namespace {

// Records what applying does, in order.
class RecordingHost : public OptionsApplyHost {
public:
    bool fileExists(WideStringView path) override { return files.count(WideString(path)) > 0; }
    bool folderExists(WideStringView path) override { return folders.count(WideString(path)) > 0; }
    void setStartupEntry(bool enabled) override { steps += enabled ? "startup+ " : "startup- "; }
    void moveScreenshotsTo(WideStringView folder) override {
        steps += "move ";
        movedTo = WideString(folder);
    }
    bool applyHotkeys(const HotkeyChoice& choice, HotkeyFailure& failure) override {
        steps += "hotkeys ";
        hotkeys = choice;
        failure.detail = u"Unable to register Capture hotkey.";
        return !refuseHotkeys;
    }
    void showHotkeyFailure(const HotkeyFailure& failure) override {
        steps += "message ";
        shown = failure.detail;
    }
    bool saveSettings() override {
        steps += "save";
        return true;
    }

    std::set<WideString> files{u"C:\\Sys\\mspaint.exe", u"D:\\Tools\\edit.exe"};
    std::set<WideString> folders{u"C:\\Desk", u"D:\\Shots"};
    std::string steps;
    WideString movedTo;
    WideString shown;
    HotkeyChoice hotkeys;
    bool refuseHotkeys = false;
};

class OptionsWindowTest : public testing::Test {
protected:
    OptionsWindowTest() {
        applyDefaults(store, standardDefaults());
        model.loadSettings(store);
    }
    static SettingsEnvironment environment() {
        SettingsEnvironment env;
        env.fileExists = [](WideStringView path) { return path == u"C:\\Sys\\mspaint.exe"; };
        env.folderExists = [](WideStringView path) { return path == u"C:\\Desk"; };
        env.unixTime = [] { return int64_t{1700000000}; };
        env.takeInstallerStatisticsConsent = [] { return false; };
        env.desktopFolder = u"C:\\Desk";
        env.defaultEditorPath = u"C:\\Sys\\mspaint.exe";
        return env;
    }
    std::unique_ptr<OptionsWindow> open(bool startupEntry = false) {
        return std::make_unique<OptionsWindow>(store, model, host, startupEntry, nullptr);
    }

    TempFolder temp{testing::UnitTest::GetInstance()->current_test_info()->name()};
    SettingsStore store{u"config.dat", u"Framewing", temp.path()};
    SettingsModel model{environment()};
    RecordingHost host;
};

TEST_F(OptionsWindowTest, OpeningTakesTheRegistryAsTheAuthorityAndTheRememberedPage) {
    store.set(keys::kLoadOnWindowsStartup, SettingValue::boolean(true));
    store.set(keys::kWindowOptionsPage, SettingValue::int32(3));
    auto window = open(false);
    EXPECT_FALSE(window->controls().loadOnStartup->isChecked());
    EXPECT_FALSE(store.get(keys::kLoadOnWindowsStartup, SettingValue()).toBool());
    EXPECT_EQ(window->currentPage(), 3);

    // Ctrl+Tab and Ctrl+Shift+Tab go round the pages; each is stored at once.
    window->setFocusWidget(window->controls().ok);
    window->dispatchKey(true, KeyTab, ModifierControl);
    EXPECT_EQ(window->currentPage(), 4);
    window->dispatchKey(true, KeyTab, ModifierControl);
    EXPECT_EQ(window->currentPage(), 0);
    window->dispatchKey(true, KeyTab, ModifierControl | ModifierShift);
    EXPECT_EQ(window->currentPage(), 4);
    EXPECT_EQ(store.get(keys::kWindowOptionsPage, SettingValue()).toInt32(), 4);
    EXPECT_EQ(window->controls().stack->currentIndex(), 4);
}

TEST_F(OptionsWindowTest, ResetPutsDefaultsInTheControlsOnlyAndLeavesStatisticsOff) {
    model.statistics.isSendEnable = true;
    model.values.outputFileNamePattern = u"Shot";
    auto window = open(true);
    const OptionsWindow::Controls& c = window->controls();
    EXPECT_TRUE(c.sendStatistics->isChecked());
    c.reset->click();
    const OptionsChoice reset = window->choice();
    EXPECT_FALSE(reset.sendStatistics);
    EXPECT_FALSE(reset.loadOnStartup);
    EXPECT_EQ(reset.pattern, u"ScreenShot-[COUNTER]");
    EXPECT_EQ(reset.folder, u"C:\\Desk");
    EXPECT_EQ(reset.editor, u"C:\\Sys\\mspaint.exe");
    // Where the default editor is missing, the field stays empty: OK would
    // otherwise refuse it.
    host.files.erase(u"C:\\Sys\\mspaint.exe");
    c.reset->click();
    EXPECT_EQ(window->choice().editor, u"");
    EXPECT_EQ(reset.language, c.language->currentData());
    // Nothing reached the program.
    EXPECT_TRUE(model.statistics.isSendEnable);
    EXPECT_EQ(model.values.outputFileNamePattern, u"Shot");
    EXPECT_EQ(host.steps, "");
}

TEST_F(OptionsWindowTest, SampleAndAutoTextFollowThePattern) {
    auto window = open();
    const OptionsWindow::Controls& c = window->controls();
    c.pattern->setText(u"my shot:[COUNTER]");
    c.counter->setCurrentIndex(2);
    c.format->setCurrentIndex(2);
    EXPECT_EQ(c.sample->text(), u"my_shot_001.jpg");

    c.pattern->setText(u"AB");
    c.pattern->setSelection(1, 1);
    window->insertAutoText(1);
    EXPECT_EQ(c.pattern->text(), u"A[YEAR]B");
    EXPECT_EQ(c.sample->text().size(), std::u16string(u"A2026B.jpg").size());

    const CaptureTime time{2010, 3, 5, 14, 7, 9};
    const WideString help = autoTextHelp(time);
    EXPECT_EQ(help.substr(0, help.find(u'\n')), u"[COUNTER] - 1");
    EXPECT_NE(help.find(u"[YEAR] - 2010\n[MONTH] - 03\n"), WideString::npos);
    EXPECT_NE(help.find(u"\n[SEC] - 09"), WideString::npos);
}

TEST_F(OptionsWindowTest, OkAppliesInOrderClampsAndSaves) {
    auto window = open();
    const OptionsWindow::Controls& c = window->controls();
    c.sendStatistics->setChecked(true);
    c.loadOnStartup->setChecked(true);
    c.editor->setText(u"D:\\Tools\\edit.exe");
    c.folder->setText(u"D:\\Shots");
    c.pattern->setText(u"a<b>c");
    c.counter->setCurrentIndex(4);
    c.historyLimit->lineEdit()->setText(u"0");
    c.captureDelay->lineEdit()->setText(u"50");
    c.captureHotkey->setValue(0x70, 2);
    c.usePrintScreen->setChecked(false);
    EXPECT_TRUE(window->applyOptions());
    EXPECT_EQ(host.steps, "startup+ move hotkeys save");
    const SettingsValues& v = model.values;
    EXPECT_TRUE(model.statistics.isSendEnable);
    EXPECT_EQ(v.externalEditorPath, u"D:\\Tools\\edit.exe");
    EXPECT_EQ(host.movedTo, u"D:\\Shots");
    EXPECT_EQ(v.outputFileNamePattern, u"a_b_c");
    EXPECT_EQ(model.namePattern.pattern(), u"a_b_c");
    EXPECT_EQ(v.outputFileNameCounterFormat, 5);
    EXPECT_EQ(v.historyLimit, 1);
    EXPECT_EQ(v.captureDelay, 200);
    EXPECT_EQ(host.hotkeys.capture, (int64_t(2) << 32) + 0x70);
    EXPECT_FALSE(host.hotkeys.usePrintScreen);
    EXPECT_FALSE(v.usePrintScreenKey);
    EXPECT_TRUE(store.get(keys::kLoadOnWindowsStartup, SettingValue()).toBool());
    EXPECT_TRUE(window->wasApplied());
}

TEST_F(OptionsWindowTest, EachStopKeepsTheWindowOpenWithTheEarlierStepsApplied) {
    auto window = open();
    const OptionsWindow::Controls& c = window->controls();
    c.playSound->setChecked(false);
    c.editor->setText(u"D:\\Gone\\edit.exe");
    c.captureDelay->setValue(700);
    EXPECT_FALSE(window->applyOptions());
    EXPECT_EQ(host.steps, "startup- ");
    EXPECT_FALSE(model.values.playSound);
    EXPECT_EQ(model.values.captureDelay, 200);

    // An empty editor field is allowed; a missing folder stops after the delay.
    host.steps.clear();
    c.editor->setText(u"");
    c.folder->setText(u"D:\\Gone");
    EXPECT_FALSE(window->applyOptions());
    EXPECT_EQ(host.steps, "startup- ");
    EXPECT_EQ(model.values.externalEditorPath, u"");
    EXPECT_EQ(model.values.captureDelay, 700);

    host.steps.clear();
    c.folder->setText(u"D:\\Shots");
    c.usePrintScreen->setChecked(false);
    host.refuseHotkeys = true;
    EXPECT_FALSE(window->applyOptions());
    EXPECT_EQ(host.steps, "startup- move hotkeys message ");
    EXPECT_EQ(host.shown, u"Unable to register Capture hotkey.");
    EXPECT_TRUE(model.values.usePrintScreenKey);
    EXPECT_FALSE(window->wasApplied());
}

} // namespace
} // namespace fw
