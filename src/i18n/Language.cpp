#include "i18n/Language.h"

#include "platform/Files.h"
#include "platform/SpecialFolders.h"

#include <memory>
#include <optional>

namespace fw {
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
    std::unique_ptr<Translation> loaded;
    if (os::fileExists(path)) {
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
