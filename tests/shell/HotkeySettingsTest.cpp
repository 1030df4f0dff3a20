#include "shell/HotkeySettings.h"
#include "settings/SettingKeys.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace fw {
namespace {

// Registrations by identifier; key 'X' stands for a combination another program holds.
class RecordingBackend : public HotkeyBackend {
public:
    explicit RecordingBackend(std::map<int32_t, uint32_t>* live) : live_(live) {}
    bool registerSystemHotkey(int32_t id, uint32_t modifiers, uint32_t key) override {
        lastModifiers = modifiers;
        return key != 'X' && live_->emplace(id, key).second;
    }
    void unregisterSystemHotkey(int32_t id) override { live_->erase(id); }
    uint32_t lastModifiers = 0;

private:
    std::map<int32_t, uint32_t>* live_;
};

class HotkeySettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        store_ = std::make_unique<SettingsStore>(u"config.dat", u"Framewing", temp_.path());
        store_->add(WideString(keys::kHotkeyShowAndHide), SettingValue::int64(0));
        store_->add(WideString(keys::kHotkeyCapture), SettingValue::text(u"12884901971"));
        hotkeys_ = std::make_unique<GlobalHotkeys>(std::make_unique<RecordingBackend>(&live_));
    }
    int64_t stored(WideStringView key) const { return store_->get(key, SettingValue()).toInt64(); }

    TempFolder temp_{"shell_hotkeys"};
    std::map<int32_t, uint32_t> live_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<GlobalHotkeys> hotkeys_;
};

TEST(GlobalHotkeysTest, OneRegistrationPerIdentifierAllReleasedAtTheEnd) {
    std::map<int32_t, uint32_t> live;
    {
        auto backend = std::make_unique<RecordingBackend>(&live);
        RecordingBackend* recording = backend.get();
        GlobalHotkeys hotkeys(std::move(backend));
        EXPECT_TRUE(hotkeys.registerHotkey({1, 'P', kModControl | kModAlt}));
        EXPECT_FALSE(hotkeys.registerHotkey({1, 'Q', kModControl}));
        EXPECT_FALSE(hotkeys.registerHotkey({2, 'X', kModControl}));
        EXPECT_FALSE(hotkeys.isRegistered(2));
        EXPECT_FALSE(hotkeys.registerHotkey({0xC000, 'S', kModShift}));
        EXPECT_TRUE(hotkeys.registerHotkey({0xBFFF, 'S', kModShift | 0x100}));
        EXPECT_EQ(recording->lastModifiers, kModShift);
        hotkeys.setPrintScreen(true);
        EXPECT_EQ(live.size(), 3u);
        hotkeys.unregisterHotkey(1);
        EXPECT_TRUE(hotkeys.registerHotkey({1, 'Q', kModControl}));
    }
    EXPECT_TRUE(live.empty());
}

TEST_F(HotkeySettingsTest, StartupRegistersWhatIsStored) {
    EXPECT_EQ(readHotkey(*store_, kHotkeyCapture), (HotkeyRecord{2, 'S', 3}));
    EXPECT_EQ(readHotkey(*store_, 3), HotkeyRecord{});
    registerStartupHotkeys(*hotkeys_, *store_, true);
    EXPECT_EQ(live_, (std::map<int32_t, uint32_t>{{-2, kKeyPrintScreen}, {2, 'S'}}));
}

TEST_F(HotkeySettingsTest, AcceptingReplacesClearsAndStopsAtTheFirstRefusal) {
    registerStartupHotkeys(*hotkeys_, *store_, true);
    HotkeyFailure failure;
    ASSERT_TRUE(applyHotkeyChoice(*hotkeys_, *store_,
                                  {hotkeyValue('P', kModControl | kModAlt), 0, false}, failure));
    EXPECT_EQ(stored(keys::kHotkeyShowAndHide), 6LL * (1LL << 32) + 80);
    EXPECT_EQ(stored(keys::kHotkeyCapture), 0);
    EXPECT_EQ(live_, (std::map<int32_t, uint32_t>{{1, 'P'}}));

    // A taken show/hide combination leaves that hotkey empty and skips the rest.
    EXPECT_FALSE(applyHotkeyChoice(
        *hotkeys_, *store_, {hotkeyValue('X', kModAlt), hotkeyValue('C', kModAlt), true}, failure));
    EXPECT_EQ(failure.message, u"Please select a different hotkey.");
    EXPECT_EQ(failure.detail, u"Unable to register Show/Hide hotkey.");
    EXPECT_EQ(stored(keys::kHotkeyShowAndHide), 0);
    EXPECT_EQ(stored(keys::kHotkeyCapture), 0);
    EXPECT_TRUE(live_.empty());

    EXPECT_FALSE(applyHotkeyChoice(*hotkeys_, *store_, {0, hotkeyValue('S', 0), true}, failure));
    EXPECT_EQ(failure.detail, u"Unable to register Capture hotkey.");
    EXPECT_TRUE(live_.empty());
}

} // namespace
} // namespace fw
