#pragma once
// The process-wide current translation. Every text the user interface shows is
// written in English in the code and passed through translate() with its group.
// Lookups and language changes belong to the user-interface thread.
#include "i18n/Translation.h"

#include <cstdint>
#include <vector>

namespace fw {

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
// damaged file leaves none, so every text shows in English. Choosing the
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
