#include "i18n/Translation.h"

#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "xml/XmlDocument.h"

#include <memory>
#include <optional>

namespace fw {

TextSubstitutions::TextSubstitutions(WideStringView applicationName)
    : applicationName_(applicationName) {
    // The name goes in last, so that the rules never rewrite the name itself.
    rules_ = {
        {u"\\r", u""}, {u"\\t", u""}, {u"\\n", u"\n"}, {u"|", u"\n"}, {u"%app", applicationName_}};
}

WideString TextSubstitutions::apply(WideStringView text) const {
    WideString result(text);
    for (const auto& [from, to] : rules_) {
        if (result.find(from) != WideString::npos) {
            result = replaceAll(result, from, to);
        }
    }
    return result;
}

WideString fillPlaceholder(WideStringView text, WideStringView value) {
    WideString result(text);
    size_t at = result.find(u'^');
    if (at != WideString::npos) {
        result.replace(at, 1, value);
    }
    return result;
}

bool parsePluralRule(WideStringView name, PluralRule& rule) {
    static const std::pair<WideStringView, PluralRule> names[] = {
        {u"english", PluralRule::English}, {u"french", PluralRule::French},
        {u"russian", PluralRule::Russian}, {u"polish", PluralRule::Polish},
        {u"czech", PluralRule::Czech},     {u"none", PluralRule::None},
    };
    for (const auto& [text, value] : names) {
        if (equalsIgnoreCase(name, text)) {
            rule = value;
            return true;
        }
    }
    return false;
}

static bool endsInTwoToFour(uint64_t count) {
    uint64_t last = count % 10;
    uint64_t lastTwo = count % 100;
    return last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
}

PluralForm pluralFormOf(PluralRule rule, uint64_t count) {
    switch (rule) {
    case PluralRule::English:
        return count == 1 ? PluralForm::One : PluralForm::Other;
    case PluralRule::French:
        return count <= 1 ? PluralForm::One : PluralForm::Other;
    case PluralRule::Russian:
        if (count % 10 == 1 && count % 100 != 11) {
            return PluralForm::One;
        }
        return endsInTwoToFour(count) ? PluralForm::Few : PluralForm::Many;
    case PluralRule::Polish:
        if (count == 1) {
            return PluralForm::One;
        }
        return endsInTwoToFour(count) ? PluralForm::Few : PluralForm::Many;
    case PluralRule::Czech:
        if (count == 1) {
            return PluralForm::One;
        }
        return count >= 2 && count <= 4 ? PluralForm::Few : PluralForm::Other;
    case PluralRule::None:
        break;
    }
    return PluralForm::Other;
}

void Translation::clear() {
    path_.clear();
    forget();
}

void Translation::forget() {
    language_.clear();
    languageEn_.clear();
    author_.clear();
    date_.clear();
    pluralRule_ = PluralRule::English;
    entries_.clear();
}

const TranslationEntry* Translation::find(WideStringView context, WideStringView group) const {
    for (const TranslationEntry& entry : entries_) {
        if (entry.context == context && (group.empty() || entry.group == group)) {
            return &entry;
        }
    }
    return nullptr;
}

WideString Translation::shownText(const TranslationEntry& entry, const WideString& form,
                                  const TextSubstitutions& substitutions) const {
    if (!form.empty()) {
        return form;
    }
    if (!entry.translation.empty()) {
        return entry.translation;
    }
    // An untranslated entry shows its English text, rewritten like any other.
    return substitutions.apply(entry.context);
}

WideString Translation::lookup(WideStringView text, WideStringView group,
                               const TextSubstitutions& substitutions) const {
    const TranslationEntry* entry = find(text, group);
    if (!entry) {
        return substitutions.apply(text);
    }
    return shownText(*entry, WideString(), substitutions);
}

WideString Translation::lookupCounted(WideStringView text, WideStringView group, uint64_t count,
                                      const TextSubstitutions& substitutions) const {
    const TranslationEntry* entry = find(text, group);
    if (!entry) {
        return substitutions.apply(text);
    }
    PluralForm form = pluralFormOf(pluralRule_, count);
    if (form == PluralForm::Other) {
        return shownText(*entry, WideString(), substitutions);
    }
    return shownText(*entry, entry->plurals[static_cast<size_t>(form)], substitutions);
}

namespace {

bool hasXmlExtension(WideStringView path) {
    WideString name = fileNameOf(path);
    size_t dot = name.rfind(u'.');
    return dot != WideString::npos && equalsIgnoreCase(WideStringView(name).substr(dot), u".xml");
}

bool openDocument(WideStringView path, XmlDocument& document) {
    return os::fileExists(path) && hasXmlExtension(path) && document.load(path, TextEncoding::Utf8);
}

WideString joinGroups(const std::vector<WideString>& groupStack) {
    WideString joined;
    for (size_t i = 0; i < groupStack.size(); ++i) {
        if (i > 0) {
            joined.push_back(u'/');
        }
        joined.append(groupStack[i]);
    }
    return joined;
}

} // namespace

bool Translation::load(WideStringView path, const TextSubstitutions& substitutions) {
    clear();
    path_ = WideString(path);
    XmlDocument document;
    return openDocument(path, document) && read(document, substitutions);
}

bool Translation::read(const XmlDocument& document, const TextSubstitutions& substitutions) {
    forget();
    const XmlElement* translation = document.root().find(u"translation");
    const XmlElement* groups = translation ? translation->child(u"groups") : nullptr;
    bool loaded = translation && readHeader(*translation) &&
                  (!groups || readGroups(*groups, substitutions)) && !entries_.empty();
    if (!loaded) {
        forget();
    }
    return loaded;
}

bool Translation::readHeader(const XmlElement& translation) {
    language_ = translation.attribute(u"language");
    languageEn_ = translation.attribute(u"language_en");
    author_ = translation.attribute(u"author");
    date_ = translation.attribute(u"date");
    // An unknown rule keeps the English one rather than losing the language.
    parsePluralRule(translation.attribute(u"plurals"), pluralRule_);
    return !language_.empty() && !languageEn_.empty();
}

// Walks the groups without recursion, so that nesting depth costs no stack.
bool Translation::readGroups(const XmlElement& groups, const TextSubstitutions& substitutions) {
    struct Level {
        const XmlElement* group;
        size_t next;
    };
    for (const auto& top : groups.children()) {
        std::vector<WideString> groupStack{top->attribute(u"name")};
        std::vector<Level> levels{{top.get(), 0}};
        while (!levels.empty()) {
            Level& level = levels.back();
            if (level.next == level.group->children().size()) {
                levels.pop_back();
                groupStack.pop_back();
                continue;
            }
            const XmlElement& child = *level.group->children()[level.next++];
            if (child.name() == u"item") {
                addEntry(child, groupStack, substitutions);
            } else if (child.name() == u"group") {
                groupStack.push_back(child.attribute(u"name"));
                levels.push_back({&child, 0});
            } else {
                return false;
            }
        }
    }
    return true;
}

void Translation::addEntry(const XmlElement& item, const std::vector<WideString>& groupStack,
                           const TextSubstitutions& substitutions) {
    static const WideStringView formNames[kPluralFormCount] = {
        u"translation_one", u"translation_few", u"translation_many"};
    TranslationEntry entry;
    entry.group = joinGroups(groupStack);
    entry.context = item.attribute(u"context");
    entry.translation = substitutions.apply(item.attribute(u"translation"));
    for (size_t i = 0; i < kPluralFormCount; ++i) {
        entry.plurals[i] = substitutions.apply(item.attribute(formNames[i]));
    }
    entries_.push_back(std::move(entry));
}

LanguageInfo readLanguageInfo(WideStringView path) {
    XmlDocument document;
    const XmlElement* translation =
        openDocument(path, document) ? document.root().find(u"translation") : nullptr;
    if (!translation) {
        return {};
    }
    LanguageInfo info;
    info.path = WideString(path);
    info.fileTitle = fileTitleOf(path);
    info.language = upperFirst(translation->attribute(u"language"));
    info.languageEn = upperFirst(translation->attribute(u"language_en"));
    info.author = translation->attribute(u"author");
    info.date = translation->attribute(u"date");
    return info;
}

namespace {

struct LanguageState {
    std::optional<WideString> folder;
    std::optional<TextSubstitutions> substitutions;
    std::unique_ptr<Translation> current;
};

LanguageState& state() {
    static LanguageState instance;
    return instance;
}

} // namespace

void setApplicationName(WideStringView name) {
    state().substitutions.emplace(name);
}

const TextSubstitutions& textSubstitutions() {
    LanguageState& s = state();
    if (!s.substitutions) {
        s.substitutions.emplace(kDefaultApplicationName);
    }
    return *s.substitutions;
}

void setLanguagesFolder(WideStringView folder) {
    state().folder = WideString(folder);
}

WideString languagesFolder() {
    LanguageState& s = state();
    if (!s.folder) {
        s.folder = joinPath(parentFolder(os::executablePath()), u"languages");
    }
    return *s.folder;
}

WideString translate(WideStringView text, WideStringView group) {
    const Translation* current = state().current.get();
    if (!current) {
        return textSubstitutions().apply(text);
    }
    return current->lookup(text, group, textSubstitutions());
}

WideString translateCount(WideStringView text, WideStringView group, uint64_t count) {
    const Translation* current = state().current.get();
    WideString shown = current ? current->lookupCounted(text, group, count, textSubstitutions())
                               : textSubstitutions().apply(text);
    return fillPlaceholder(shown, toWideUnsigned(count));
}

bool setLanguage(WideStringView name) {
    LanguageState& s = state();
    WideString path = joinPath(languagesFolder(), WideString(name) + u".xml");
    if (s.current && s.current->path() == path) {
        return true;
    }
    // The name comes from the settings file: it names a file in the languages
    // folder and never reaches outside it.
    bool plainName = name.find_first_of(u"\\/:") == WideStringView::npos;
    std::unique_ptr<Translation> loaded;
    if (plainName && os::fileExists(path)) {
        loaded = std::make_unique<Translation>();
        if (!loaded->load(path, textSubstitutions())) {
            loaded.reset();
        }
    }
    s.current = std::move(loaded);
    return s.current != nullptr;
}

const Translation* currentTranslation() {
    return state().current.get();
}

std::vector<LanguageInfo> listLanguages() {
    std::vector<LanguageInfo> languages;
    WideString folder = languagesFolder();
    for (const WideString& name : os::listFiles(folder)) {
        LanguageInfo info = readLanguageInfo(joinPath(folder, name));
        if (!info.language.empty()) {
            languages.push_back(std::move(info));
        }
    }
    return languages;
}

} // namespace fw
