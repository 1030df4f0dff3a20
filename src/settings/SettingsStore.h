#pragma once
// The program's persistent key/value store, kept in memory as an ordered list
// and saved as config.dat (XML groups of name/value items) in the program's
// folder under the per-user application data folder.
//
// Keys are "group/name" and compare exactly. Values read from the file are
// strings; read them through SettingValue's typed readers with a default of
// the key's kind.
#include "platform/WideString.h"
#include "settings/SettingValue.h"
#include "xml/XmlDocument.h"

#include <vector>

namespace fw {

class SettingsStore {
public:
    struct Entry {
        WideString key;
        SettingValue value;
        WideString comment;
    };

    // Loads at once from baseFolder\folderName\fileName (the result is not
    // reported; a failed load leaves the store empty).
    SettingsStore(WideString fileName, WideString folderName, WideString baseFolder);
    // The same in the per-user application data folder.
    SettingsStore(WideString fileName, WideString folderName);
    // Saves once more, as the program's last word on its settings.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // A copy of the first entry's value, or of `fallback` when the key is absent.
    SettingValue get(WideStringView key, const SettingValue& fallback) const;
    // Replaces the first entry's value; an absent key is not added.
    void set(WideStringView key, const SettingValue& value);
    bool contains(WideStringView key) const;
    size_t count() const { return entries_.size(); }
    // Appends without looking for an existing entry.
    void add(WideString key, SettingValue value, WideString comment = WideString());
    void clear() { entries_.clear(); }
    const std::vector<Entry>& entries() const { return entries_; }

    // Clears the store and reads the file. A missing file is created empty
    // (with its folder) and gives an empty store.
    bool load();
    // Writes the file atomically: a failed write leaves the old file intact.
    bool save() const;
    // The document save() writes: consecutive entries of one group share a
    // "group" element.
    void buildDocument(XmlDocument& document) const;

    WideString filePath() const;
    WideString folderPath() const;

private:
    void readDocument(const XmlDocument& document);

    WideString fileName_;
    WideString folderName_;
    WideString baseFolder_;
    std::vector<Entry> entries_;
};

} // namespace fw
