#include "i18n/Translation.h"

namespace fw {

TextSubstitutions::TextSubstitutions(WideStringView applicationName)
    : applicationName_(applicationName) {
    // Order matters: the escapes go first so that "%app" may hold a backslash.
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

} // namespace fw
