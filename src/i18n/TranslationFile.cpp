// Reading translation files: the "translation" header and the tree of groups
// and items below "groups".
#include "i18n/Translation.h"
#include "platform/Files.h"
#include "xml/XmlDocument.h"

namespace fw {
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
    WideString path = path_;
    clear();
    path_ = path;
    const XmlElement* translation = document.root().find(u"translation");
    if (!translation || !readHeader(*translation)) {
        return false;
    }
    const XmlElement* groups = translation->child(u"groups");
    if (groups && !readGroups(*groups, substitutions)) {
        clear();
        path_ = path;
        return false;
    }
    return !entries_.empty();
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

} // namespace fw
