#include "i18n/Translation.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace fw {
namespace {

// A fresh languages folder per test, made the program's languages folder.
class LanguageFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("fw_i18n_") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        folder_ = replaceAll(dir_.generic_u16string(), u"/", u"\\");
        setLanguagesFolder(folder_);
        setLanguage(u"none-such");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write(const char* name, const std::string& groups,
               const std::string& header = R"(language="Deutsch" language_en="German")") {
        std::string text = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<translation " +
                           header + " author=\"A\" date=\"D\">\n<groups>\n" + groups +
                           "</groups>\n</translation>\n";
        ASSERT_TRUE(os::writeFile(joinPath(folder_, fromUtf8(name)), text.data(), text.size()));
    }

    std::filesystem::path dir_;
    WideString folder_;
};

const std::string kOneItem = R"(<group name="G"><item context="A" translation="B" /></group>)";

TEST(TextTest, SubstitutionsPlaceholdersAndPluralRules) {
    TextSubstitutions substitutions(u"Framewing");
    EXPECT_EQ(substitutions.apply(u"a\\r\\tb\\nc|d %app"), u"ab\nc\nd Framewing");
    EXPECT_EQ(substitutions.apply(u"\\\\nn %a%appp"), u"\\\nn %aFramewingp");

    EXPECT_EQ(fillPlaceholder(u"No caret", u"x"), u"No caret");
    EXPECT_EQ(fillPlaceholder(u"Open with ^", u"Paint"), u"Open with Paint");
    EXPECT_EQ(fillPlaceholder(u"^ of ^", u"^"), u"^ of ^");

    const std::pair<uint64_t, PluralForm> russian[] = {
        {1, PluralForm::One},    {21, PluralForm::One}, {11, PluralForm::Many},
        {111, PluralForm::Many}, {3, PluralForm::Few},  {104, PluralForm::Few},
        {13, PluralForm::Many},  {0, PluralForm::Many}, {25, PluralForm::Many}};
    for (const auto& [count, form] : russian) {
        EXPECT_EQ(pluralFormOf(PluralRule::Russian, count), form) << count;
    }
    EXPECT_EQ(pluralFormOf(PluralRule::English, 0), PluralForm::Other);
    EXPECT_EQ(pluralFormOf(PluralRule::French, 0), PluralForm::One);
    EXPECT_EQ(pluralFormOf(PluralRule::Polish, 21), PluralForm::Many);
    EXPECT_EQ(pluralFormOf(PluralRule::Czech, 22), PluralForm::Other);
}

TEST_F(LanguageFolder, LookupByGroupFirstMatchAndFallbacks) {
    write("de.xml", R"(
<group name="MainWindow">
    <item context="Delete" translation="Entfernen" />
    <group name="ToolTips">
        <item context="Delete" translation="Löschen|jetzt\r\t" />
        <item context="Delete" translation="Zweiter" />
    </group>
    <item context="Empty %app\nline" translation="" />
    <item context="^ screenshots" translation="^ Screenshots" translation_one="^ Screenshot" />
</group>
<group name="UserInterface"><group name="UILineEdit"><item context="Delete" translation="Entf." /></group></group>
)");
    ASSERT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(translate(u"Delete", u"MainWindow"), u"Entfernen");
    EXPECT_EQ(translate(u"Delete", u"MainWindow/ToolTips"), u"Löschen\njetzt");
    EXPECT_EQ(translate(u"Delete", u"UserInterface/UILineEdit"), u"Entf.");
    EXPECT_EQ(translate(u"Delete"), u"Entfernen");
    EXPECT_EQ(translate(u"Delete", u"Other"), u"Delete");
    EXPECT_EQ(translate(u"Empty %app\\nline", u"MainWindow"), u"Empty Framewing\nline");
    EXPECT_EQ(translate(u"Missing %app", u"MainWindow"), u"Missing Framewing");
    EXPECT_EQ(translateCount(u"^ screenshots", u"MainWindow", 1), u"1 Screenshot");
    EXPECT_EQ(translateCount(u"^ screenshots", u"MainWindow", 0), u"0 Screenshots");
}

TEST_F(LanguageFolder, DamagedFilesLeaveEnglishAndAreRejectedWhole) {
    write("stray.xml", R"(<group name="G"><item context="A" translation="B" /><label /></group>)");
    write("noen.xml", kOneItem, R"(language="deutsch")");
    write("empty.xml", R"(<group name="G"></group>)");
    write("de.txt", kOneItem);
    // A name that reaches outside the languages folder is refused like a missing file.
    write("sub.xml", kOneItem);
    std::filesystem::create_directories(dir_ / "inner");
    setLanguagesFolder(folder_ + u"\\inner");
    EXPECT_FALSE(setLanguage(u"..\\sub"));
    EXPECT_FALSE(setLanguage(u"../sub"));
    setLanguagesFolder(folder_);
    for (const char16_t* name : {u"stray", u"noen", u"empty", u"missing"}) {
        EXPECT_FALSE(setLanguage(name)) << toUtf8(name);
        EXPECT_EQ(translate(u"A", u"G"), u"A");
    }
    Translation translation;
    EXPECT_FALSE(translation.load(joinPath(folder_, u"de.txt"), textSubstitutions()));
    EXPECT_FALSE(translation.load(joinPath(folder_, u"stray.xml"), textSubstitutions()));
    EXPECT_TRUE(translation.entries().empty() && translation.language().empty());
}

TEST_F(LanguageFolder, ChoosingTheCurrentLanguageDoesNotReload) {
    write("de.xml", kOneItem);
    ASSERT_TRUE(setLanguage(u"de"));
    write("de.xml", R"(<group name="G"><item context="A" translation="C" /></group>)");
    EXPECT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(translate(u"A", u"G"), u"B");
    setLanguage(u"other");
    EXPECT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(translate(u"A", u"G"), u"C");
}

TEST_F(LanguageFolder, ListingNeedsOnlyTheLanguageAndCapitalisesIt) {
    write("de.XML", kOneItem, R"(language="deutsch" language_en="german")");
    write("ru.xml", kOneItem, R"(language="русский")");
    write("nolang.xml", kOneItem, R"(language_en="Nothing")");
    write("notes.txt", "");
    std::vector<LanguageInfo> languages = listLanguages();
    ASSERT_EQ(languages.size(), 2u);
    if (languages[0].fileTitle != u"de") {
        std::swap(languages[0], languages[1]);
    }
    EXPECT_EQ(languages[0].language + languages[0].languageEn, u"DeutschGerman");
    EXPECT_EQ(languages[1].language, u"Русский");
    EXPECT_FALSE(setLanguage(u"ru"));

    Translation translation;
    ASSERT_TRUE(translation.load(languages[0].path, textSubstitutions()));
    EXPECT_EQ(translation.language(), u"deutsch");
}

} // namespace
} // namespace fw
