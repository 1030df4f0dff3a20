// history.dat lives in the user's profile where anything may overwrite it: no
// file may crash the reader, and whatever it accepts (records and their
// folders) must write back and read again unchanged.
#include "output/HistoryFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fw::HistoryReader reader(std::span(data, size));
    fw::HistoryRecord record;
    std::list<fw::HistoryEntry> entries; // oldest first, as the history keeps them
    while (reader.next(record)) {
        fw::HistoryEntry entry;
        entry.location = {u"C:\\out", record.name, record.extension};
        entry.time = record.time;
        entry.mode = record.mode;
        entry.rect = record.rect;
        entry.cursor = record.cursor;
        entry.thumbnail = record.thumbnail;
        entries.push_front(std::move(entry));
    }
    // Records come newest first, and so do their folders.
    const std::vector<fw::WideString> folders = reader.readFolders();
    if (!folders.empty() && folders.size() != entries.size()) {
        std::abort();
    }
    auto folder = folders.begin();
    for (auto it = entries.rbegin(); it != entries.rend() && folder != folders.end(); ++it) {
        it->location.folder = *folder++;
    }
    const std::vector<uint8_t> written = fw::encodeHistory(entries);
    fw::HistoryReader again(written);
    auto entry = entries.rbegin();
    const auto skipUnstorable = [&] {
        while (entry != entries.rend() && !fw::isStorable(*entry)) {
            ++entry;
        }
    };
    skipUnstorable();
    std::vector<const fw::HistoryEntry*> stored;
    while (again.next(record)) {
        if (entry == entries.rend() || record.name != entry->location.name ||
            record.time != entry->time || record.rect != entry->rect ||
            record.thumbnail.byteSize() != entry->thumbnail.byteSize()) {
            std::abort();
        }
        stored.push_back(&*entry);
        ++entry;
        skipUnstorable();
    }
    if (again.status() != fw::HistoryReadStatus::Complete || entry != entries.rend()) {
        std::abort();
    }
    const std::vector<fw::WideString> foldersAgain = again.readFolders();
    if (foldersAgain.size() != stored.size()) {
        std::abort();
    }
    for (size_t i = 0; i < stored.size(); ++i) {
        if (foldersAgain[i] != stored[i]->location.folder) {
            std::abort();
        }
    }
    return 0;
}
