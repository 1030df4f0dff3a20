#pragma once
// One language's texts, read from a translation file in the "languages" folder.
// English texts are the keys; a group names the window or widget family so that
// one English word can be translated differently in different places.
#include "platform/WideString.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace fw {

// The rewrites applied to every shown text, translated or not: "\r" and "\t"
// (backslash sequences) vanish, "\n" and "|" become line feeds and "%app" the
// application name.
class TextSubstitutions {
public:
    explicit TextSubstitutions(WideStringView applicationName);
    WideString apply(WideStringView text) const;
    const WideString& applicationName() const { return applicationName_; }

private:
    WideString applicationName_;
    std::vector<std::pair<WideString, WideString>> rules_;
};

// `text` with its first "^" replaced by `value`; later carets stay as they are.
WideString fillPlaceholder(WideStringView text, WideStringView value);

// How a language picks the form of a counted text ("^ screenshots"). The file
// names its rule in the attribute "plurals"; without it the English rule applies.
enum class PluralRule { English, French, Russian, Polish, Czech, None };
enum class PluralForm { One, Few, Many, Other };
constexpr size_t kPluralFormCount = 3; // forms stored besides the translation

bool parsePluralRule(WideStringView name, PluralRule& rule);
PluralForm pluralFormOf(PluralRule rule, uint64_t count);

struct TranslationEntry {
    WideString group;       // enclosing group names joined with "/"
    WideString context;     // the English text, exactly as in the file
    WideString translation; // substitutions applied; may be empty
    // "translation_one", "_few", "_many" for counted texts, substitutions
    // applied; an empty form falls back to `translation`.
    std::array<WideString, kPluralFormCount> plurals;
};

struct LanguageInfo {
    WideString path;
    WideString fileTitle; // the value stored in "general/language"
    WideString language;  // own name, first character upper-cased
    WideString languageEn;
    WideString author;
    WideString date;
};

class XmlDocument;
class XmlElement;

class Translation {
public:
    // True when the file is a translation with at least one entry; on failure
    // the translation is left empty but keeps its path.
    bool load(WideStringView path, const TextSubstitutions& substitutions);
    // The same from a parsed document; the path stays as it was.
    bool read(const XmlDocument& document, const TextSubstitutions& substitutions);
    void clear();

    // The first entry (file order) with this context in this group; an empty
    // group matches any group. Null when there is none.
    const TranslationEntry* find(WideStringView context, WideStringView group) const;
    // The text to show for `text` (for `count` of it: its plural form), or
    // `text` itself with the substitutions when no entry matches.
    WideString lookup(WideStringView text, WideStringView group,
                      const TextSubstitutions& substitutions) const;
    WideString lookupCounted(WideStringView text, WideStringView group, uint64_t count,
                             const TextSubstitutions& substitutions) const;

    const WideString& path() const { return path_; }
    const WideString& language() const { return language_; }
    const WideString& languageEn() const { return languageEn_; }
    const WideString& author() const { return author_; }
    const WideString& date() const { return date_; }
    PluralRule pluralRule() const { return pluralRule_; }
    const std::vector<TranslationEntry>& entries() const { return entries_; }

private:
    // Everything but the path, which setLanguage compares even after a failure.
    void forget();
    bool readHeader(const XmlElement& translation);
    bool readGroups(const XmlElement& groups, const TextSubstitutions& substitutions);
    void addEntry(const XmlElement& item, const std::vector<WideString>& groupStack,
                  const TextSubstitutions& substitutions);
    WideString shownText(const TranslationEntry& entry, const WideString& form,
                         const TextSubstitutions& substitutions) const;

    WideString path_;
    WideString language_;
    WideString languageEn_;
    WideString author_;
    WideString date_;
    PluralRule pluralRule_ = PluralRule::English;
    std::vector<TranslationEntry> entries_;
};

// The header of a translation file, for the language list; every field is
// empty when the file is not a translation.
LanguageInfo readLanguageInfo(WideStringView path);

// The process-wide current translation. Every text the user interface shows is
// written in English in the code and passed through translate() with its group.
// Lookups and language changes belong to the user-interface thread.

// The value of "general/language" when the settings hold none.
inline constexpr WideStringView kDefaultLanguage = u"english";
inline constexpr WideStringView kDefaultApplicationName = u"Framewing";

// The current translation's text for `text` in `group` (an empty group matches
// any), or `text` itself after the substitutions when there is none.
WideString translate(WideStringView text, WideStringView group = {});
// A counted text such as "^ screenshots": the plural form for `count` with the
// number filled in for "^".
WideString translateCount(WideStringView text, WideStringView group, uint64_t count);

// Makes "<languages folder>\<name>.xml" the current translation; a missing or
// damaged file, or a name holding a path separator or drive colon, leaves none,
// so every text shows in English. Choosing the
// current language again does not reload it. True when a translation is current.
bool setLanguage(WideStringView name);
// Null when the interface shows English without a file.
const Translation* currentTranslation();

// Every "*.xml" in the languages folder that has a "language" attribute, in
// directory order: files dropped there appear without a build.
std::vector<LanguageInfo> listLanguages();

// Start-up configuration; call before the first lookup. The name replaces
// "%app"; the folder defaults to "languages" beside the executable.
void setApplicationName(WideStringView name);
void setLanguagesFolder(WideStringView folder);
WideString languagesFolder();
const TextSubstitutions& textSubstitutions();

} // namespace fw
