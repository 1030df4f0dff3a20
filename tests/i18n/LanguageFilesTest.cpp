// Keeps the shipped translation files in step with the English one.
#include "i18n/Translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace fw {
namespace {

const std::filesystem::path kFolder = std::filesystem::path(FW_SOURCE_DIR) / "assets/languages";

WideString programPath(const std::filesystem::path& path) {
    return replaceAll(path.generic_u16string(), u"/", u"\\");
}

using Key = std::pair<WideString, WideString>; // group, context

std::map<Key, const TranslationEntry*> byKey(const Translation& translation) {
    std::map<Key, const TranslationEntry*> entries;
    for (const TranslationEntry& entry : translation.entries()) {
        EXPECT_TRUE(entries.emplace(Key{entry.group, entry.context}, &entry).second)
            << "duplicate " << toUtf8(entry.group) << " / " << toUtf8(entry.context);
    }
    return entries;
}

// The forms a counted text needs besides "translation" (which serves the rest).
std::set<PluralForm> explicitForms(PluralRule rule) {
    std::set<PluralForm> forms;
    for (uint64_t n = 0; n < 200; ++n) {
        PluralForm form = pluralFormOf(rule, n);
        if (form == PluralForm::One || form == PluralForm::Few) {
            forms.insert(form);
        }
    }
    return forms;
}

void expectSameMarkers(const WideString& english, const WideString& shown,
                       const std::string& where) {
    EXPECT_FALSE(shown.empty()) << where;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), u'^'),
              std::count(english.begin(), english.end(), u'^'))
        << where;
}

TEST(LanguageFilesTest, EveryTranslationMatchesTheEnglishFile) {
    TextSubstitutions verbatim(u"%app");
    Translation english;
    ASSERT_TRUE(english.load(programPath(kFolder / "english.xml"), verbatim));
    std::map<Key, const TranslationEntry*> reference = byKey(english);

    size_t files = 0;
    for (const auto& file : std::filesystem::directory_iterator(kFolder)) {
        if (file.path().extension() != ".xml") {
            continue;
        }
        ++files;
        std::string name = file.path().filename().string();
        Translation translation;
        ASSERT_TRUE(translation.load(programPath(file.path()), verbatim)) << name;
        std::map<Key, const TranslationEntry*> entries = byKey(translation);
        std::set<PluralForm> forms = explicitForms(translation.pluralRule());

        for (const auto& [key, source] : reference) {
            std::string where = name + ": " + toUtf8(key.first) + " / " + toUtf8(key.second);
            auto found = entries.find(key);
            if (found == entries.end()) {
                ADD_FAILURE() << "missing " << where;
                continue;
            }
            const TranslationEntry& entry = *found->second;
            expectSameMarkers(source->translation, entry.translation, where);
            if (source->plurals[0].empty()) {
                continue;
            }
            for (PluralForm form : forms) {
                expectSameMarkers(source->translation, entry.plurals[static_cast<size_t>(form)],
                                  where);
            }
        }
        for (const auto& [key, entry] : entries) {
            EXPECT_TRUE(reference.count(key))
                << name << " has an entry English lacks: " << toUtf8(key.first) << " / "
                << toUtf8(key.second);
        }
    }
    EXPECT_GE(files, 3u);
}

} // namespace
} // namespace fw
