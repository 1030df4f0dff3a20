// Translation files come from translators and from users' folders: no file may
// crash the loader or the lookups that follow it.
#include "i18n/Translation.h"
#include "xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::XmlDocument document;
    if (!document.parseUtf8(data, size)) {
        return 0;
    }
    static const fw::TextSubstitutions substitutions(u"Framewing");
    fw::Translation translation;
    if (!translation.read(document, substitutions)) {
        return 0;
    }
    for (const fw::TranslationEntry& entry : translation.entries()) {
        for (uint64_t count : {0u, 1u, 3u, 11u, 21u}) {
            fw::fillPlaceholder(
                translation.lookupCounted(entry.context, entry.group, count, substitutions), u"^7");
        }
        translation.lookup(entry.context, {}, substitutions);
    }
    return 0;
}
