#include "shell/ModeOptionsWindow.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsModel.h"
#include "shell/TimerOptionsPage.h"
#include "support/TempFolder.h"
#include "ui/UIButton.h"
#include "ui/UICheckBox.h"
#include "ui/UILabel.h"
#include "ui/UILineEdit.h"
#include "ui/UIPicture.h"
#include "ui/UISlider.h"
#include "ui/UISpinBox.h"

#include <gtest/gtest.h>

#include <functional>

namespace fw {
namespace {

UIButton* toggle(ModeOptionsWindow& window, WideStringView text) {
    for (UIWidget* widget : window.findByClass(u"UIButton")) {
        auto* button = static_cast<UIButton*>(widget);
        if (button->isCheckable() && button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

TEST(ModeOptionsWindowTest, PicturesCheckTheirToggleAndTogglesAreExclusive) {
    SettingsValues values;
    ModeOptionsWindow window(CaptureMode::FullScreen, values, nullptr);
    UIButton* full = toggle(window, u"Full area.");
    UIButton* work = toggle(window, u"Work area.");
    ASSERT_TRUE(full && work);
    EXPECT_TRUE(full->isChecked());
    EXPECT_FALSE(work->isChecked());
    window.find<UIPicture>(u"mode_options_work_area")->click();
    EXPECT_TRUE(work->isChecked());
    EXPECT_FALSE(full->isChecked());
    work->click(); // a checked toggle stays checked
    EXPECT_TRUE(work->isChecked());
    EXPECT_FALSE(full->isChecked());
}

TEST(ModeOptionsWindowTest, RegionSlidersShowAndStoreValuesInsideTheirRanges) {
    SettingsValues values;
    values.regionModeMagnifierSize = 5;
    values.regionModeMagnifierZoom = 31;
    ModeOptionsWindow window(CaptureMode::Region, values, nullptr);
    std::vector<UIWidget*> sliders = window.findByClass(u"UISlider");
    ASSERT_EQ(sliders.size(), 2u);
    auto* size = static_cast<UISlider*>(sliders[0]);
    auto* zoom = static_cast<UISlider*>(sliders[1]);
    EXPECT_EQ(size->value(), 2);
    EXPECT_EQ(size->maximum(), 2);
    EXPECT_EQ(zoom->value(), 30);
    window.okButton()->click();
    EXPECT_EQ(values.regionModeMagnifierSize, 2);
    EXPECT_EQ(values.regionModeMagnifierZoom, 30);
}

TEST(ModeOptionsWindowTest, TimerPageRecomputesTheDurationAndWritesOnOk) {
    SettingsValues values; // 5 seconds, once, counter bottom right
    ModeOptionsWindow window(CaptureMode::Timer, values, nullptr);
    auto* page = static_cast<TimerOptionsPage*>(window.page());
    EXPECT_EQ(page->duration()->text(), u"00 : 00 : 05");
    page->interval()->setValue(100);
    EXPECT_EQ(page->duration()->text(), u"00 : 01 : 40");
    page->minutes()->setChecked(true);
    EXPECT_FALSE(page->seconds()->isChecked());
    EXPECT_EQ(page->duration()->text(), u"01 : 40 : 00");
    page->repeatCount()->setValue(100);
    EXPECT_EQ(page->duration()->text(), u"166 : 40 : 00");

    // The positions follow "Show counter."; the one clicked is the only one checked.
    EXPECT_TRUE(page->positionButton(8)->isChecked());
    page->showCounter()->toggle();
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_FALSE(page->positionButton(i)->isEnabled()) << i;
    }
    page->showCounter()->toggle();
    EXPECT_TRUE(page->positionButton(4)->isEnabled());
    page->positionButton(1)->click();
    page->positionButton(1)->click();
    EXPECT_TRUE(page->positionButton(1)->isChecked());
    EXPECT_FALSE(page->positionButton(8)->isChecked());
    EXPECT_EQ(page->checkedPosition(), 36);
    page->tickingSound()->toggle();

    // A count typed beyond the range and not yet committed is clamped on OK.
    page->repeatCount()->setValue(7);
    page->repeatCount()->lineEdit()->setText(u"250");
    window.okButton()->click();
    EXPECT_EQ(values.timerModeInterval, 100);
    EXPECT_EQ(values.timerModeIntervalType, 1);
    EXPECT_EQ(values.timerModeRepeatCount, 100);
    EXPECT_FALSE(values.timerModeTickingSound);
    EXPECT_TRUE(values.timerModeShowCounter);
    EXPECT_EQ(values.timerModeCounterPosition, 36);
}

// A run of the program in small: config.dat loaded, one options window
// closed by OK or Cancel, config.dat written as the exit command writes it.
class ConfigRun {
public:
    explicit ConfigRun(const WideString& folder) : folder_(folder) {}
    void run(CaptureMode mode, bool ok, const std::function<void(ModeOptionsWindow&)>& change) {
        SettingsStore store(u"config.dat", u"Framewing", folder_);
        applyDefaults(store, standardDefaults());
        SettingsModel model(environment());
        model.loadSettings(store);
        {
            ModeOptionsWindow window(mode, model.values, nullptr);
            change(window);
            (ok ? window.okButton() : window.cancelButton())->click();
        }
        model.writeSettings(store);
        ASSERT_TRUE(store.save());
    }
    WideString stored(WideStringView key) const {
        SettingsStore store(u"config.dat", u"Framewing", folder_);
        store.load();
        return store.get(key, SettingValue()).toText();
    }
    void store(WideStringView key, SettingValue value) {
        SettingsStore store(u"config.dat", u"Framewing", folder_);
        applyDefaults(store, standardDefaults());
        store.set(key, value);
        store.save();
    }

private:
    static SettingsEnvironment environment() {
        SettingsEnvironment env;
        env.fileExists = [](WideStringView) { return false; };
        env.folderExists = [](WideStringView) { return true; };
        env.unixTime = [] { return int64_t{1700000000}; };
        env.takeInstallerStatisticsConsent = [] { return false; };
        return env;
    }
    WideString folder_;
};

TEST(ModeOptionsWindowTest, OkReachesConfigDatAndCancelLeavesIt) {
    TempFolder temp("mode_options");
    ConfigRun program(temp.path());
    program.store(keys::kRegionModeMagnifierSize, SettingValue::int32(5));
    program.run(CaptureMode::Region, true, [](ModeOptionsWindow&) {});
    EXPECT_EQ(program.stored(keys::kRegionModeMagnifierSize), u"2");

    auto transparency = [](ModeOptionsWindow& window) {
        static_cast<UICheckBox*>(window.findByClass(u"UICheckBox")[0])->toggle();
    };
    program.run(CaptureMode::Window, false, transparency);
    EXPECT_EQ(program.stored(keys::kWindowModeSaveTransparency), u"1");
    program.run(CaptureMode::Window, true, transparency);
    EXPECT_EQ(program.stored(keys::kWindowModeSaveTransparency), u"0");

    auto workArea = [](ModeOptionsWindow& window) {
        window.find<UIPicture>(u"mode_options_work_area")->click();
    };
    program.run(CaptureMode::FullScreen, false, workArea);
    EXPECT_EQ(program.stored(keys::kFullScreenModeWorkArea), u"0");
    program.run(CaptureMode::FullScreen, true, workArea);
    EXPECT_EQ(program.stored(keys::kFullScreenModeWorkArea), u"1");

    auto timer = [](ModeOptionsWindow& window) {
        auto* page = static_cast<TimerOptionsPage*>(window.page());
        page->interval()->setValue(2);
        page->repeatCount()->setValue(3);
        page->positionButton(0)->click();
    };
    program.run(CaptureMode::Timer, false, timer);
    EXPECT_EQ(program.stored(keys::kTimerModeInterval), u"5");
    EXPECT_EQ(program.stored(keys::kTimerModeCounterPosition), u"10");
    program.run(CaptureMode::Timer, true, timer);
    EXPECT_EQ(program.stored(keys::kTimerModeInterval), u"2");
    EXPECT_EQ(program.stored(keys::kTimerModeRepeatCount), u"3");
    EXPECT_EQ(program.stored(keys::kTimerModeCounterPosition), u"5");
}

} // namespace
} // namespace fw
