#include "settings/SettingsStore.h"

#include "platform/Files.h"
#include "platform/KnownFolders.h"

namespace fw {

static WideString appDataFolder() {
    WideString folder;
    // Without the shell folder the path starts with "\", as the program always did.
    return os::specialFolderPath(os::SpecialFolder::AppData, folder) ? folder : WideString();
}

SettingsStore::SettingsStore(WideString fileName, WideString folderName, WideString baseFolder)
    : fileName_(std::move(fileName)), folderName_(std::move(folderName)),
      baseFolder_(std::move(baseFolder)) {
    load();
}

SettingsStore::SettingsStore(WideString fileName, WideString folderName)
    : SettingsStore(std::move(fileName), std::move(folderName), appDataFolder()) {}

SettingsStore::~SettingsStore() {
    save();
}

SettingValue SettingsStore::get(WideStringView key, const SettingValue& fallback) const {
    for (const Entry& entry : entries_) {
        if (entry.key == key) {
            return entry.value;
        }
    }
    return fallback;
}

void SettingsStore::set(WideStringView key, const SettingValue& value) {
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.value = value;
            return;
        }
    }
}

bool SettingsStore::contains(WideStringView key) const {
    for (const Entry& entry : entries_) {
        if (entry.key == key) {
            return true;
        }
    }
    return false;
}

void SettingsStore::add(WideString key, SettingValue value, WideString comment) {
    entries_.push_back(Entry{std::move(key), std::move(value), std::move(comment)});
}

WideString SettingsStore::folderPath() const {
    return joinPath(baseFolder_, folderName_);
}

WideString SettingsStore::filePath() const {
    return joinPath(folderPath(), fileName_);
}

bool SettingsStore::load() {
    clear();
    WideString path = filePath();
    if (!os::fileExists(path)) {
        WideString folder = folderPath();
        if (!os::folderExists(folder) && !os::createFolder(folder)) {
            return false;
        }
        return os::writeFile(path, nullptr, 0);
    }
    XmlDocument document;
    if (!document.load(path, TextEncoding::Utf8)) {
        return false;
    }
    readDocument(document);
    return true;
}

void SettingsStore::readDocument(const XmlDocument& document) {
    const XmlElement* groups = document.root().child(u"groups");
    if (!groups) {
        return;
    }
    for (const auto& group : groups->children()) {
        if (group->name() != u"group") {
            continue;
        }
        WideString prefix = group->attribute(u"name") + u"/";
        for (const auto& item : group->children()) {
            if (item->name() == u"item") {
                add(prefix + item->attribute(u"name"),
                    SettingValue::text(item->attribute(u"value")));
            }
        }
    }
}

void SettingsStore::buildDocument(XmlDocument& document) const {
    document.root().clear();
    XmlElement& groups = document.root().addChild(u"groups");
    XmlElement* group = nullptr;
    for (const Entry& entry : entries_) {
        size_t slash = entry.key.rfind(u'/');
        WideString groupName =
            slash == WideString::npos ? WideString() : entry.key.substr(0, slash);
        WideString itemName = slash == WideString::npos ? entry.key : entry.key.substr(slash + 1);
        if (!group || group->attribute(u"name") != groupName) {
            group = &groups.addChild(u"group");
            group->addAttribute(u"name", groupName);
        }
        XmlElement& item = group->addChild(u"item");
        item.addAttribute(u"name", itemName);
        item.addAttribute(u"value", entry.value.toText());
    }
}

bool SettingsStore::save() const {
    XmlDocument document;
    buildDocument(document);
    return document.save(filePath());
}

} // namespace fw
