#include "shell/Hotkey.h"
#include "shell/HotKeyEditor.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

TEST(HotkeyTest, KeyNamesWithGapsAndCodesOutOfRange) {
    // The ends of each run of names, where an off-by-one would show.
    const std::pair<uint32_t, const char16_t*> named[] = {
        {0x00, u"None"},    {0x08, u"Backspace"}, {0x2C, u"PrintScreen"},
        {0x39, u"9"},       {0x41, u"A"},         {0x5A, u"Z"},
        {0x69, u"NumPad9"}, {0x87, u"F24"},       {0xB7, u"LaunchApplication2"},
        {0xDF, u"Oem8"},    {0xE7, u"Packet"},    {0xFE, u"OemClear"}};
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

} // namespace
} // namespace fw
