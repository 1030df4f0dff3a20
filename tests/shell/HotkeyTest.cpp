#include "shell/GlobalHotkeys.h"
#include "shell/HotKeyEditor.h"

#include <gtest/gtest.h>

#include <set>

namespace fw {
namespace {

TEST(HotkeyTest, KeyNamesWithGapsAndCodesOutOfRange) {
    const std::pair<uint32_t, const char16_t*> named[] = {{0x00, u"None"},
                                                          {0x08, u"Backspace"},
                                                          {0x2C, u"PrintScreen"},
                                                          {0x30, u"0"},
                                                          {0x39, u"9"},
                                                          {0x41, u"A"},
                                                          {0x5A, u"Z"},
                                                          {0x5F, u"Sleep"},
                                                          {0x69, u"NumPad9"},
                                                          {0x6F, u"Slash"},
                                                          {0x70, u"F1"},
                                                          {0x87, u"F24"},
                                                          {0xB7, u"LaunchApplication2"},
                                                          {0xC0, u"OemTilde"},
                                                          {0xDF, u"Oem8"},
                                                          {0xE2, u"OemBackslash"},
                                                          {0xE7, u"Packet"},
                                                          {0xFE, u"OemClear"}};
    for (const auto& [code, name] : named) {
        EXPECT_EQ(keyName(code), name) << code;
    }
    const std::pair<uint32_t, uint32_t> gaps[] = {
        {0x07, 0x07}, {0x0B, 0x0B}, {0x0E, 0x0F}, {0x16, 0x16}, {0x1A, 0x1A},
        {0x3A, 0x40}, {0x5E, 0x5E}, {0x88, 0x8F}, {0x92, 0x9F}, {0xB8, 0xB9},
        {0xC1, 0xDA}, {0xE0, 0xE1}, {0xE3, 0xE4}, {0xE6, 0xE6}, {0xE8, 0xF5}};
    size_t unnamed = 0;
    for (const auto& [first, last] : gaps) {
        for (uint32_t code = first; code <= last; ++code) {
            EXPECT_EQ(keyName(code), u"???") << code;
        }
        unnamed += last - first + 1;
    }
    size_t named_count = 0;
    for (uint32_t code = 0; code <= 254; ++code) {
        named_count += keyName(code) != u"???";
    }
    EXPECT_EQ(named_count + unnamed, 255u);
    for (uint32_t code : {255u, 256u, 0xFFFFFFFFu}) {
        EXPECT_EQ(keyName(code), u"???");
    }
}

TEST(HotkeyTest, StoredValuesAndAcceptability) {
    EXPECT_EQ(hotkeyValue('P', kModControl | kModAlt), 6LL * (1LL << 32) + 80);
    EXPECT_EQ(hotkeyValue('S', kModControl | kModShift), 12884901971LL);
    EXPECT_EQ(hotkeyFromValue(2, 12884901971LL), (HotkeyRecord{2, 'S', 3}));
    EXPECT_EQ(hotkeyFromValue(1, -1), (HotkeyRecord{1, 0xFFFFFFFFu, 0xFFFFFFFFu}));

    EXPECT_TRUE(isHotkeyAcceptable({1, 116, 0})); // F5 alone
    EXPECT_TRUE(isHotkeyAcceptable({2, 'S', kModControl}));
    EXPECT_FALSE(isHotkeyAcceptable({2, 'S', 0}));
    EXPECT_FALSE(isHotkeyAcceptable({2, '5', 0}));
    EXPECT_FALSE(isHotkeyAcceptable({2, 0, kModControl}));
    EXPECT_FALSE(isHotkeyAcceptable({-1, 116, 0}));
    // Bits that are no modifier do not make a plain letter acceptable.
    EXPECT_FALSE(isHotkeyAcceptable({2, 'S', 8}));
}

TEST(HotkeyTest, EditorRecordsCombinations) {
    HotKeyEditor editor;
    EXPECT_EQ(editor.text(), u"None");
    editor.keyPress('S');
    EXPECT_EQ(editor.text(), u"Control + S");
    editor.keyRelease('S');

    editor.keyPress(kKeyControl);
    editor.keyPress(kKeyAlt);
    EXPECT_EQ(editor.text(), u"Control + Alt + ");
    EXPECT_EQ(editor.value(), 0);
    editor.keyPress('P');
    EXPECT_EQ(editor.text(), u"Control + Alt + P");
    EXPECT_EQ(editor.value(), 6LL * (1LL << 32) + 80);
    editor.keyRelease('P');
    editor.keyRelease(kKeyAlt);
    EXPECT_EQ(editor.text(), u"Control + Alt + P");

    editor.keyPress(116);
    EXPECT_EQ(editor.text(), u"F5");
    editor.keyRelease(116);
    editor.keyPress(kKeyShift);
    editor.keyPress(kKeyControl);
    editor.keyPress(kKeyF24);
    EXPECT_EQ(editor.text(), u"Control + Shift + F24");

    for (uint32_t clearing : {kKeyBackspace, kKeyDelete}) {
        editor.setValue('Q', kModAlt);
        editor.keyPress(clearing);
        EXPECT_EQ(editor.text(), u"None");
        EXPECT_EQ(editor.value(), 0);
    }
}

TEST(HotkeyTest, EditorDropsKeysItCannotRecordAndLoneModifiers) {
    HotKeyEditor editor;
    editor.keyPress(kKeyControl);
    editor.keyRelease(kKeyControl);
    EXPECT_EQ(editor.text(), u"None");

    editor.keyPress(kKeyControl);
    editor.keyPress(kKeyShift);
    editor.keyRelease(kKeyShift);
    EXPECT_EQ(editor.text(), u"Control + ");
    editor.keyPress('K');
    EXPECT_EQ(editor.text(), u"Control + K");
    editor.keyRelease('K');

    for (uint32_t unrecorded : {0x60u /*NumPad0*/, 91u, 111u, 136u, 0x1Bu}) {
        editor.keyPress(kKeyAlt);
        editor.keyPress(unrecorded);
        EXPECT_EQ(editor.text(), u"Alt + ") << unrecorded;
        editor.keyRelease(unrecorded);
        EXPECT_EQ(editor.text(), u"None") << unrecorded;
    }
}

class FakeBackend : public HotkeyBackend {
public:
    explicit FakeBackend(std::set<int32_t>* live) : live_(live) {}
    bool registerSystemHotkey(int32_t id, uint32_t modifiers, uint32_t key) override {
        if (key == 'X') { // taken by another program
            return false;
        }
        lastModifiers = modifiers;
        return live_->insert(id).second;
    }
    void unregisterSystemHotkey(int32_t id) override { live_->erase(id); }
    uint32_t lastModifiers = 0;

private:
    std::set<int32_t>* live_;
};

TEST(HotkeyTest, RegistrationKeepsOneEntryPerIdentifierAndReleasesAll) {
    std::set<int32_t> live;
    {
        auto backend = std::make_unique<FakeBackend>(&live);
        FakeBackend* fake = backend.get();
        GlobalHotkeys hotkeys(std::move(backend));
        EXPECT_TRUE(hotkeys.registerHotkey({1, 'P', kModControl | kModAlt}));
        EXPECT_FALSE(hotkeys.registerHotkey({1, 'Q', kModControl}));
        EXPECT_FALSE(hotkeys.registerHotkey({2, 'X', kModControl}));
        EXPECT_FALSE(hotkeys.isRegistered(2));
        EXPECT_FALSE(hotkeys.registerHotkey({2, 'S', 0}));
        EXPECT_FALSE(hotkeys.registerHotkey({0xC000, 'S', kModShift}));
        EXPECT_TRUE(hotkeys.registerHotkey({0xBFFF, 'S', kModShift | 0x100}));
        EXPECT_EQ(fake->lastModifiers, kModShift);
        hotkeys.setPrintScreen(true);
        EXPECT_EQ(live, (std::set<int32_t>{-2, 1, 0xBFFF}));
        hotkeys.unregisterHotkey(1);
        EXPECT_TRUE(hotkeys.registerHotkey({1, 'Q', kModControl}));
    }
    EXPECT_TRUE(live.empty());

    GlobalHotkeys windowless(nullptr);
    EXPECT_FALSE(windowless.registerHotkey({1, 'P', kModControl}));
    EXPECT_EQ(actionForHotkey(1), HotkeyAction::ToggleMainWindow);
    EXPECT_EQ(actionForHotkey(-2), HotkeyAction::StartCapture);
    EXPECT_EQ(actionForHotkey(3), HotkeyAction::None);
}

} // namespace
} // namespace fw
