#include "output/NamePattern.h"
#include "platform/Files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

const CaptureTime kMarch5 = {2010, 3, 5, 14, 7, 9, 0};

TEST(NamePatternTest, CleanKeepsLengthAndReplacesEverythingUnsafe) {
    EXPECT_EQ(NamePattern::clean(u"[year]-[month]-[day] [hour].[min].[sec]"),
              u"[year]-[month]-[day]_[hour].[min].[sec]");
    EXPECT_EQ(NamePattern::clean(u"a/b\\c:d*e?f\"g<h>i|j"), u"a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(NamePattern::clean(u"$%-_@~!(){}^#&+=[].,;\u2116"), u"$%-_@~!(){}^#&+=[].,;\u2116");
    EXPECT_EQ(NamePattern::clean(u"\u0421\u043d\u0438\u043c\u043e\u043a\u00e9\u00df7"),
              u"\u0421\u043d\u0438\u043c\u043e\u043a\u00e9\u00df7");
    EXPECT_EQ(NamePattern::clean(u"tab\there\x01\U0001F600"), u"tab_here___");
    EXPECT_EQ(NamePattern::clean(u".hidden."), u"_hidden_");
    EXPECT_EQ(NamePattern::clean(u"."), u"_");
    EXPECT_EQ(NamePattern::clean(u""), u"");
}

TEST(NamePatternTest, CleanBlanksEveryDeviceNameButNotLookAlikes) {
    for (WideStringView device : {u"aux", u"CON", u"Prn", u"nul"}) {
        EXPECT_EQ(NamePattern::clean(device), u"___");
        EXPECT_EQ(NamePattern::clean(WideString(device) + u".x"), u"___.x");
    }
    for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
        for (WideString device : {WideString(u"LPT"), WideString(u"com")}) {
            device.push_back(digit);
            EXPECT_EQ(NamePattern::clean(device), u"____") << toUtf8(device);
            EXPECT_EQ(NamePattern::clean(device + u".tar.gz"), u"____.tar.gz");
        }
    }
    for (WideStringView lookAlike : {u"console", u"auxiliary", u"co", u"com", u"lpt0", u"com10",
                                     u"nul_", u"xcon", u"con-[COUNTER]"}) {
        EXPECT_EQ(NamePattern::clean(lookAlike), lookAlike) << toUtf8(lookAlike);
    }
    NamePattern pattern;
    pattern.setPattern(u"con");
    EXPECT_EQ(pattern.pattern(), u"___");
    pattern.setPattern(u"");
    EXPECT_EQ(pattern.pattern(), u"ScreenShot-[COUNTER]");
}

TEST(NamePatternTest, FillsEveryTokenInAnyLetterCase) {
    EXPECT_EQ(NamePattern::fill(1, 1, u"[year]-[Month]-[DAY]_[MiN].[sec]", kMarch5),
              u"2010-03-05_07.09");
    EXPECT_EQ(NamePattern::fill(1, 1, u"[MONTH-NAME] [day-name] [month]", kMarch5),
              u"March Friday 03");
    EXPECT_EQ(NamePattern::fill(1, 1, u"[DAY-NAME]", {2000, 2, 29, 0, 0, 0, 0}), u"Tuesday");
    EXPECT_EQ(NamePattern::fill(1, 1, u"[DAY-NAME]", {2024, 1, 1, 0, 0, 0, 0}), u"Monday");
    EXPECT_EQ(NamePattern::fill(1, 1, u"[DAY-NAME]", {1900, 12, 31, 0, 0, 0, 0}), u"Monday");
    EXPECT_EQ(NamePattern::fill(42, 1, u"[Counter][COUNTER]x[counter", kMarch5), u"4242x[counter");
    // Replacement values are not parsed again as tokens.
    EXPECT_EQ(NamePattern::fill(7, 1, u"[COUNTER][[YEAR]]", kMarch5), u"7[2010]");
}

TEST(NamePatternTest, CounterPaddingAndOverflow) {
    NamePattern pattern;
    EXPECT_EQ(pattern.nextName(kMarch5), u"ScreenShot-001");
    EXPECT_EQ(pattern.nextName(kMarch5), u"ScreenShot-002");
    pattern.setCounterDigits(0);
    EXPECT_EQ(pattern.counterDigits(), 1);
    EXPECT_EQ(pattern.nextName(kMarch5), u"ScreenShot-3");
    EXPECT_EQ(NamePattern::fill(1000, 3, u"[COUNTER]", kMarch5), u"1000");
    EXPECT_EQ(NamePattern::fill(4294967295u, 5, u"[COUNTER]", kMarch5), u"4294967295");
    EXPECT_EQ(NamePattern::fill(1, 5, u"[COUNTER]", kMarch5), u"00001");
    // A hand-edited digit count cannot produce an unwritable or huge name.
    EXPECT_EQ(NamePattern::fill(1, 2000000000, u"[COUNTER]", kMarch5).size(), 255u);
    // A counter that completes a device name does not name the device.
    EXPECT_EQ(NamePattern::fill(1, 1, u"com[COUNTER]", kMarch5), u"____");
    EXPECT_EQ(NamePattern::fill(10, 1, u"com[COUNTER]", kMarch5), u"com10");
}

class UniqueNameTest : public ::testing::Test {
protected:
    void touch(WideStringView name) { ASSERT_TRUE(os::writeFile(joinPath(folder_, name), "x", 1)); }

    TempFolder temp_{"output_unique_names"};
    WideString folder_ = temp_.path();
};

TEST_F(UniqueNameTest, CounterMovesOnPastTakenNames) {
    touch(u"ScreenShot-1.png");
    touch(u"ScreenShot-2.png");
    touch(u"ScreenShot-4.png");
    touch(u"ScreenShot-3.bmp");
    NamePattern pattern;
    pattern.setCounterDigits(1);
    EXPECT_EQ(pattern.uniqueName(kMarch5, folder_, u"png"), u"ScreenShot-3");
    EXPECT_EQ(pattern.uniqueName(kMarch5, folder_, u"png"), u"ScreenShot-5");
    EXPECT_EQ(pattern.counter(), 5u);
    // A folder with the file's name is taken too: nothing could be written there.
    ASSERT_TRUE(os::createFolder(joinPath(folder_, u"ScreenShot-6.png")));
    EXPECT_EQ(pattern.uniqueName(kMarch5, folder_, u"png"), u"ScreenShot-7");
}

TEST_F(UniqueNameTest, WithoutCounterAppendsCopyNumbers) {
    NamePattern pattern;
    pattern.setPattern(u"shot");
    touch(u"shot.jpg");
    touch(u"shot-copy1.jpg");
    EXPECT_EQ(pattern.uniqueName(kMarch5, folder_, u"jpg"), u"shot-copy2");
    EXPECT_EQ(pattern.uniqueName(kMarch5, folder_, u"png"), u"shot");
    EXPECT_EQ(pattern.counter(), 2u);
}

} // namespace
} // namespace fw
