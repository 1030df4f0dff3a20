#include "settings/WindowGeometry.h"
#include "settings/Defaults.h"
#include "settings/SettingKeys.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

// A primary monitor with a taskbar at the bottom and a second one to its left.
const Rect kPrimaryWork{0, 0, 1920, 1040};
const Rect kLeftWork{-1600, 100, 1600, 900};
const ScreenLayout kTwoMonitors{
    Rect{-1600, 0, 3520, 1080}, kPrimaryWork, {kPrimaryWork, kLeftWork}};
const ScreenLayout kPrimaryOnly{Rect{0, 0, 1920, 1080}, kPrimaryWork, {kPrimaryWork}};
const Rect kDefaultFrame{0, 0, 660, 600};
const Size kMinimum{480, 400};

class WindowGeometryTest : public ::testing::Test {
protected:
    WindowGeometryTest() : folder_("geometry"), store_(u"config.dat", u"fw", folder_.path()) {
        applyDefaults(store_, standardDefaults());
    }
    void store(const Rect& r) {
        store_.set(keys::kWindowMainLeft, SettingValue::int32(r.x));
        store_.set(keys::kWindowMainTop, SettingValue::int32(r.y));
        store_.set(keys::kWindowMainWidth, SettingValue::int32(r.width));
        store_.set(keys::kWindowMainHeight, SettingValue::int32(r.height));
    }
    Rect restore(const ScreenLayout& screens) {
        return RestoreWindowGeometry(store_, u"Main", true, kDefaultFrame, kMinimum, screens);
    }

    TempFolder folder_;
    SettingsStore store_;
};

TEST_F(WindowGeometryTest, WindowsComeBackOnAMonitorThatShowsThemWhole) {
    // Where it was, on either monitor, while that monitor is attached.
    store(Rect{100, 80, 800, 600});
    EXPECT_EQ(restore(kTwoMonitors), (Rect{100, 80, 800, 600}));
    store(Rect{-1500, 200, 800, 600});
    EXPECT_EQ(restore(kTwoMonitors), (Rect{-1500, 200, 800, 600}));
    // The left monitor is gone: centred on the primary work area.
    EXPECT_EQ(restore(kPrimaryOnly), (Rect{560, 220, 800, 600}));
    // Straddling two monitors counts as off-screen.
    store(Rect{-400, 200, 800, 600});
    EXPECT_EQ(restore(kTwoMonitors), (Rect{560, 220, 800, 600}));
}

TEST_F(WindowGeometryTest, SizesAreHeldToTheMinimumAndTheWorkArea) {
    store(Rect{10, 10, 200, 100});
    EXPECT_EQ(restore(kPrimaryOnly), (Rect{10, 10, 480, 400}));
    // Wider and taller than the work area: from its top-left corner.
    store(Rect{0, 0, 2500, 1200});
    EXPECT_EQ(restore(kPrimaryOnly), (Rect{0, 0, 2500, 1200}));
    store(Rect{0, 0, 2500, 500});
    EXPECT_EQ(restore(kPrimaryOnly), (Rect{0, 270, 2500, 500}));
    // Never saved: the window's own size, centred.
    store(Rect{-1, -1, -1, -1});
    EXPECT_EQ(restore(kPrimaryOnly), (Rect{630, 220, 660, 600}));
    // Without size the window keeps its own.
    store_.set(keys::kWindowOptionsLeft, SettingValue::int32(40));
    store_.set(keys::kWindowOptionsTop, SettingValue::int32(50));
    EXPECT_EQ(RestoreWindowGeometry(store_, u"Options", false, Rect{0, 0, 500, 400}, kMinimum,
                                    kPrimaryOnly),
              (Rect{40, 50, 500, 400}));
}

TEST_F(WindowGeometryTest, OnlyWindowsWhoseCornerIsOnScreenAreSaved) {
    EXPECT_TRUE(SaveWindowGeometry(store_, u"Main", Rect{-1500, 10, 700, 500}, true,
                                   kTwoMonitors.virtualScreen));
    EXPECT_EQ(store_.get(keys::kWindowMainLeft, SettingValue()).toInt32(), -1500);
    EXPECT_EQ(store_.get(keys::kWindowMainHeight, SettingValue()).toInt32(), 500);
    // Minimized windows sit far off-screen: the last good place stays.
    EXPECT_FALSE(SaveWindowGeometry(store_, u"Main", Rect{-32000, -32000, 160, 28}, true,
                                    kTwoMonitors.virtualScreen));
    EXPECT_EQ(store_.get(keys::kWindowMainLeft, SettingValue()).toInt32(), -1500);
    EXPECT_TRUE(SaveWindowGeometry(store_, u"Options", Rect{30, 40, 500, 400}, false,
                                   kTwoMonitors.virtualScreen));
    EXPECT_EQ(store_.get(keys::kWindowOptionsTop, SettingValue()).toInt32(), 40);
    EXPECT_EQ(store_.count(), standardDefaults().size());
}

} // namespace
} // namespace fw
