#include "shell/OptionsWindow.h"
#include "platform/GdiObjects.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "shell/UIHotKey.h"
#include "support/TempFolder.h"
#include "ui/TextLayout.h"
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

TEST_F(OptionsWindowTest, OkAppliesInOrderAndSavesOnlyWhenEverythingWasApplied) {
    auto window = open();
    const OptionsWindow::Controls& c = window->controls();
    c.loadOnStartup->setChecked(true);
    c.editor->setText(u"D:\\Tools\\edit.exe");
    c.folder->setText(u"D:\\Shots");
    c.pattern->setText(u"a<b>c");
    c.counter->setCurrentIndex(4);
    c.captureHotkey->setValue(0x70, 2);
    c.usePrintScreen->setChecked(false);
    EXPECT_TRUE(window->applyOptions());
    EXPECT_EQ(host.steps, "startup+ move hotkeys save");
    EXPECT_EQ(host.movedTo, u"D:\\Shots");
    EXPECT_EQ(model.namePattern.pattern(), u"a_b_c");
    EXPECT_EQ(model.namePattern.counterDigits(), 5);
    EXPECT_EQ(host.hotkeys.capture, (int64_t(2) << 32) + 0x70);
    EXPECT_FALSE(model.values.usePrintScreenKey);
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

TEST_F(OptionsWindowTest, OpeningAndClosingLeaksNothing) {
    auto cycle = [&] {
        auto window = open();
        window->render();
    };
    for (int i = 0; i < 3; ++i) {
        cycle();
    }
    const int32_t gdiObjects = os::gdiObjectCount();
    const int32_t fonts = platformFontCount();
    for (int i = 0; i < 15; ++i) {
        cycle();
    }
    EXPECT_EQ(os::gdiObjectCount(), gdiObjects);
    EXPECT_EQ(platformFontCount(), fonts);
}

} // namespace
} // namespace fw
