#include "settings/SettingsModel.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

namespace fw {
namespace {

class SettingsModelTest : public testing::Test {
protected:
    SettingsModelTest() {
        store.clear();
        for (const SettingDefault& item : standardDefaults()) {
            store.add(item.key, item.value);
        }
    }

    SettingsEnvironment environment() {
        SettingsEnvironment env;
        env.fileExists = [this](WideStringView path) { return files.count(WideString(path)) > 0; };
        env.folderExists = [this](WideStringView path) {
            return folders.count(WideString(path)) > 0;
        };
        env.unixTime = [] { return int64_t{1700000000}; };
        env.takeInstallerStatisticsConsent = [this] { return std::exchange(consent, false); };
        env.desktopFolder = u"C:\\Desk";
        env.defaultEditorPath = u"C:\\Sys\\mspaint.exe";
        return env;
    }

    // The model loaded from the store after `key` was stored as the text `value`.
    SettingsModel loadWith(WideStringView key, const char16_t* value) {
        store.set(key, SettingValue::text(value));
        SettingsModel model(environment());
        model.loadSettings(store);
        return model;
    }

    TempFolder temp{testing::UnitTest::GetInstance()->current_test_info()->name()};
    SettingsStore store{u"config.dat", u"Framewing", temp.path()};
    std::set<WideString> files;
    std::set<WideString> folders;
    bool consent = false;
};

TEST_F(SettingsModelTest, DefaultsLoadWithTheirRepairs) {
    SettingsModel model(environment());
    model.loadSettings(store);
    const SettingsValues& v = model.values;
    EXPECT_EQ(v.outputFileNameCounterFormat, 1);
    EXPECT_EQ(v.mode, 1);
    EXPECT_EQ(v.captureDelay, 200);
    EXPECT_EQ(v.outputFileFormat, 1);
    EXPECT_EQ(v.outputFolder, u"C:\\Desk");
    EXPECT_EQ(v.externalEditorPath, u"C:\\Sys\\mspaint.exe");
    EXPECT_EQ(v.outputFileNamePattern, u"ScreenShot-[COUNTER]");
    EXPECT_EQ(v.regionModeMagnifierZoom, 10);
    EXPECT_FALSE(model.statistics.isSendEnable);
}

struct ClampCase {
    WideStringView key;
    const char16_t* stored;
    int32_t expected;
    int32_t SettingsValues::*field;
};

TEST_F(SettingsModelTest, EveryNumberIsClampedOnLoad) {
    using V = SettingsValues;
    const ClampCase cases[] = {
        {keys::kCaptureDelay, u"50", 200, &V::captureDelay},
        {keys::kCaptureDelay, u"5000", 1000, &V::captureDelay},
        {keys::kCaptureDelay, u"abc", 200, &V::captureDelay},
        {keys::kMode, u"0", 1, &V::mode},
        {keys::kMode, u"7", 1, &V::mode},
        {keys::kMode, u"4", 4, &V::mode},
        {keys::kOutputFileFormat, u"3", 1, &V::outputFileFormat},
        {keys::kOutputFileFormat, u"-1", 1, &V::outputFileFormat},
        {keys::kOutputFileFormat, u"0", 0, &V::outputFileFormat},
        {keys::kPreviewListZoom, u"85", 84, &V::previewListZoom},
        {keys::kPreviewListZoom, u"-1", 0, &V::previewListZoom},
        {keys::kHistoryLimit, u"0", 1, &V::historyLimit},
        {keys::kHistoryLimit, u"1001", 1000, &V::historyLimit},
        {keys::kHistoryMode, u"5", 1, &V::historyMode},
        {keys::kOutputFileNameCounterFormat, u"-3", 1, &V::outputFileNameCounterFormat},
        {keys::kOutputFileNameCounterFormat, u"4", 4, &V::outputFileNameCounterFormat},
        {keys::kRegionModeMagnifierSize, u"3", 2, &V::regionModeMagnifierSize},
        {keys::kRegionModeMagnifierZoom, u"31", 30, &V::regionModeMagnifierZoom},
        {keys::kRegionModeMagnifierZoom, u"-2", 0, &V::regionModeMagnifierZoom},
        {keys::kTimerModeInterval, u"-7", 1, &V::timerModeInterval},
        {keys::kTimerModeInterval, u"0", 1, &V::timerModeInterval},
        {keys::kTimerModeInterval, u"101", 100, &V::timerModeInterval},
        {keys::kTimerModeIntervalType, u"1", 1, &V::timerModeIntervalType},
        {keys::kTimerModeIntervalType, u"2", 0, &V::timerModeIntervalType},
        {keys::kTimerModeRepeatCount, u"0", 1, &V::timerModeRepeatCount},
        {keys::kTimerModeRepeatCount, u"500", 100, &V::timerModeRepeatCount},
        {keys::kTimerModeCounterPosition, u"48", 48, &V::timerModeCounterPosition},
        {keys::kTimerModeCounterPosition, u"7", 10, &V::timerModeCounterPosition},
    };
    for (const ClampCase& c : cases) {
        SettingsModel model = loadWith(c.key, c.stored);
        EXPECT_EQ(model.values.*c.field, c.expected) << toUtf8(c.key) << " " << toUtf8(c.stored);
    }
}

TEST_F(SettingsModelTest, StatisticsRules) {
    EXPECT_EQ(loadWith(keys::kLastSend, u"1800000000").statistics.lastSend, 0);
    EXPECT_EQ(loadWith(keys::kLastSend, u"-5").statistics.lastSend, 0);
    EXPECT_EQ(loadWith(keys::kLastSend, u"1600000000").statistics.lastSend, 1600000000);
    EXPECT_EQ(loadWith(keys::kNumRuns, u"-1").statistics.numRuns, 0);
    EXPECT_EQ(loadWith(keys::kTotalScreenshots, u"-1").statistics.totalScreenshots, 0);
    EXPECT_EQ(loadWith(keys::kOutTotalScreenshots, u"-9").statistics.outTotalScreenshots, 0);
    // Counters stored beyond 32 bits saturate, and so does counting on from there.
    StatisticsValues full = loadWith(keys::kTotalScreenshots, u"99999999999").statistics;
    EXPECT_EQ(full.totalScreenshots, INT32_MAX);
    full.outTotalScreenshots = INT32_MAX;
    full.numRuns = INT32_MAX;
    full.countScreenshot();
    full.countRun();
    EXPECT_EQ(full.totalScreenshots, INT32_MAX);
    EXPECT_EQ(full.outTotalScreenshots, INT32_MAX);
    EXPECT_EQ(full.numRuns, INT32_MAX);
    // The installer's consent turns sending on once; later starts keep the user's choice.
    consent = true;
    EXPECT_TRUE(loadWith(keys::kNumRuns, u"0").statistics.isSendEnable);
    EXPECT_FALSE(consent);
    EXPECT_FALSE(loadWith(keys::kIsSendEnable, u"0").statistics.isSendEnable);
}

TEST_F(SettingsModelTest, PathsFallBackAndRepairsAreSavedBack) {
    files.insert(u"D:\\Tools\\edit.exe");
    folders.insert(u"D:\\Shots");
    folders.insert(u"D:\\Tools\\edit.exe.dir");
    EXPECT_EQ(loadWith(keys::kExternalEditorPath, u"D:\\Tools\\edit.exe").values.externalEditorPath,
              u"D:\\Tools\\edit.exe");
    EXPECT_EQ(loadWith(keys::kExternalEditorPath, u"D:\\Shots").values.externalEditorPath,
              u"C:\\Sys\\mspaint.exe");
    EXPECT_EQ(loadWith(keys::kOutputFolder, u"D:\\Shots").values.outputFolder, u"D:\\Shots");
    SettingsModel model = loadWith(keys::kOutputFolder, u"D:\\Deleted");
    EXPECT_EQ(model.values.outputFolder, u"C:\\Desk");
    EXPECT_EQ(model.values.unavailableOutputFolder, u"D:\\Deleted");
    EXPECT_EQ(loadWith(keys::kOutputFileNamePattern, u"").values.outputFileNamePattern,
              u"ScreenShot-[COUNTER]");
    // A pattern written by hand is kept as the names are made, and saved so.
    SettingsModel cleaned = loadWith(keys::kOutputFileNamePattern, u"shot: [DAY]?");
    EXPECT_EQ(cleaned.values.outputFileNamePattern, u"shot__[DAY]_");
    cleaned.writeSettings(store);
    EXPECT_EQ(store.get(keys::kOutputFileNamePattern, SettingValue()).toText(), u"shot__[DAY]_");

    store.set(keys::kHistoryMode, SettingValue::text(u"5"));
    model.loadSettings(store);
    model.statistics.lastSend = 5000000000;
    model.writeSettings(store);
    EXPECT_EQ(store.get(keys::kHistoryMode, SettingValue()), SettingValue::int32(1));
    EXPECT_EQ(store.get(keys::kOutputFolder, SettingValue()).toText(), u"C:\\Desk");
    EXPECT_EQ(store.get(keys::kLastSend, SettingValue()), SettingValue::int64(5000000000));
    EXPECT_EQ(store.get(keys::kMode, SettingValue()).kind(), SettingValueKind::Int32);
    EXPECT_EQ(store.count(), 48u);
}

} // namespace
} // namespace fw
