#include "i18n/Language.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace fw {
namespace {

// A fresh "languages" folder per test, made the program's languages folder.
class LanguageFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::path dir =
            std::filesystem::temp_directory_path() /
            (std::string("fw_i18n_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        native_ = dir;
        folder_ = replaceAll(dir.generic_u16string(), u"/", u"\\");
        setLanguagesFolder(folder_);
        setLanguage(u"none-such");
    }
    void TearDown() override { std::filesystem::remove_all(native_); }

    void write(const char* name, const std::string& body,
               const char* header = R"(language="Deutsch" language_en="German")") {
        std::string text = std::string("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n") +
                           "<translation " + header + " author=\"A\" date=\"D\">\n<groups>\n" +
                           body + "</groups>\n</translation>\n";
        ASSERT_TRUE(os::writeFile(joinPath(folder_, fromUtf8(name)), text.data(), text.size()));
    }

    std::filesystem::path native_;
    WideString folder_;
};

TEST(TextTest, SubstitutionsAndPlaceholders) {
    TextSubstitutions substitutions(u"Framewing");
    EXPECT_EQ(substitutions.apply(u"a\\r\\tb\\nc|d %app"), u"ab\nc\nd Framewing");
    // Each rule runs once over the result of the previous one, without overlap.
    EXPECT_EQ(substitutions.apply(u"\\\\nn %a%appp"), u"\\\nn %aFramewingp");

    EXPECT_EQ(fillPlaceholder(u"No caret", u"x"), u"No caret");
    EXPECT_EQ(fillPlaceholder(u"Open with ^", u"Paint"), u"Open with Paint");
    EXPECT_EQ(fillPlaceholder(u"^ of ^", u"^"), u"^ of ^");
    EXPECT_EQ(fillPlaceholder(u"dd ^ yyyy", u"March"), u"dd March yyyy");
}

TEST(TextTest, PluralRulesPickTheGrammaticalForm) {
    struct Case {
        PluralRule rule;
        uint64_t count;
        PluralForm form;
    };
    const Case cases[] = {
        {PluralRule::English, 0, PluralForm::Other},  {PluralRule::English, 1, PluralForm::One},
        {PluralRule::English, 21, PluralForm::Other}, {PluralRule::French, 0, PluralForm::One},
        {PluralRule::Russian, 1, PluralForm::One},    {PluralRule::Russian, 21, PluralForm::One},
        {PluralRule::Russian, 11, PluralForm::Many},  {PluralRule::Russian, 111, PluralForm::Many},
        {PluralRule::Russian, 3, PluralForm::Few},    {PluralRule::Russian, 104, PluralForm::Few},
        {PluralRule::Russian, 13, PluralForm::Many},  {PluralRule::Russian, 0, PluralForm::Many},
        {PluralRule::Polish, 21, PluralForm::Many},   {PluralRule::Polish, 22, PluralForm::Few},
        {PluralRule::Czech, 4, PluralForm::Few},      {PluralRule::Czech, 22, PluralForm::Other},
        {PluralRule::None, 1, PluralForm::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pluralFormOf(c.rule, c.count), c.form) << c.count;
    }
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
<group name="UserInterface"><group name="UILineEdit">
    <item context="Delete" translation="Entf." />
</group></group>
)");
    ASSERT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(translate(u"Delete", u"MainWindow"), u"Entfernen");
    EXPECT_EQ(translate(u"Delete", u"MainWindow/ToolTips"), u"Löschen\njetzt");
    EXPECT_EQ(translate(u"Delete", u"UserInterface/UILineEdit"), u"Entf.");
    EXPECT_EQ(translate(u"Delete"), u"Entfernen"); // no group: the context decides
    EXPECT_EQ(translate(u"Delete", u"Other"), u"Delete");
    EXPECT_EQ(translate(u"delete", u"MainWindow"), u"delete");
    EXPECT_EQ(translate(u"Empty %app\\nline", u"MainWindow"), u"Empty Framewing\nline");
    EXPECT_EQ(translate(u"Missing %app", u"MainWindow"), u"Missing Framewing");

    EXPECT_EQ(translateCount(u"^ screenshots", u"MainWindow", 1), u"1 Screenshot");
    EXPECT_EQ(translateCount(u"^ screenshots", u"MainWindow", 0), u"0 Screenshots");
    EXPECT_EQ(translateCount(u"^ files", u"MainWindow", 1), u"1 files");
}

TEST_F(LanguageFolder, DamagedFilesLeaveEnglishAndAreRejectedWhole) {
    write("stray.xml", R"(<group name="G"><item context="A" translation="B" /><label /></group>)");
    write("noen.xml", R"(<group name="G"><item context="A" translation="B" /></group>)",
          R"(language="deutsch")");
    write("empty.xml", R"(<group name="G"></group>)");
    write("ok.txt", R"(<group name="G"><item context="A" translation="B" /></group>)");
    for (const char16_t* name : {u"stray", u"noen", u"empty", u"missing"}) {
        EXPECT_FALSE(setLanguage(name)) << toUtf8(name);
        EXPECT_EQ(currentTranslation(), nullptr);
        EXPECT_EQ(translate(u"A", u"G"), u"A");
    }
    Translation translation;
    EXPECT_FALSE(translation.load(joinPath(folder_, u"ok.txt"), textSubstitutions()));
    EXPECT_FALSE(translation.load(joinPath(folder_, u"stray.xml"), textSubstitutions()));
    EXPECT_TRUE(translation.entries().empty());
    EXPECT_TRUE(translation.language().empty());
}

TEST_F(LanguageFolder, ChoosingTheCurrentLanguageDoesNotReload) {
    write("de.xml", R"(<group name="G"><item context="A" translation="Eins" /></group>)");
    ASSERT_TRUE(setLanguage(u"de"));
    const Translation* first = currentTranslation();
    write("de.xml", R"(<group name="G"><item context="A" translation="Zwei" /></group>)");
    EXPECT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(currentTranslation(), first);
    EXPECT_EQ(translate(u"A", u"G"), u"Eins");
    setLanguage(u"other");
    EXPECT_TRUE(setLanguage(u"de"));
    EXPECT_EQ(translate(u"A", u"G"), u"Zwei");
}

TEST_F(LanguageFolder, ListingNeedsOnlyTheLanguageAndCapitalisesIt) {
    write("de.XML", R"(<group name="G"><item context="A" translation="B" /></group>)",
          R"(language="deutsch" language_en="german")");
    write("noen.xml", R"(<group name="G"><item context="A" translation="B" /></group>)",
          R"(language="русский")");
    write("nolang.xml", R"(<group name="G"><item context="A" translation="B" /></group>)",
          R"(language_en="Nothing")");
    write("notes.txt", "");
    std::vector<LanguageInfo> languages = listLanguages();
    ASSERT_EQ(languages.size(), 2u);
    if (languages[0].fileTitle != u"de") {
        std::swap(languages[0], languages[1]);
    }
    EXPECT_EQ(languages[0].language, u"Deutsch");
    EXPECT_EQ(languages[0].languageEn, u"German");
    EXPECT_EQ(languages[0].path, joinPath(folder_, u"de.XML"));
    EXPECT_EQ(languages[1].fileTitle, u"noen");
    EXPECT_EQ(languages[1].language, u"Русский");

    Translation translation;
    ASSERT_TRUE(translation.load(languages[0].path, textSubstitutions()));
    EXPECT_EQ(translation.language(), u"deutsch");
}

} // namespace
} // namespace fw
