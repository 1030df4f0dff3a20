// history.dat lives in the user's profile where anything may overwrite it: no
// file may crash the reader, and whatever it accepts must write back and read
// again unchanged.
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
    const std::vector<uint8_t> written = fw::encodeHistory(entries);
    fw::HistoryReader again(written);
    auto entry = entries.rbegin();
    const auto skipUnstorable = [&] {
        while (entry != entries.rend() && !fw::isStorable(*entry)) {
            ++entry;
        }
    };
    skipUnstorable();
    while (again.next(record)) {
        if (entry == entries.rend() || record.name != entry->location.name ||
            record.time != entry->time || record.rect != entry->rect ||
            record.thumbnail.byteSize() != entry->thumbnail.byteSize()) {
            std::abort();
        }
        ++entry;
        skipUnstorable();
    }
    if (again.status() != fw::HistoryReadStatus::Complete || entry != entries.rend()) {
        std::abort();
    }
    return 0;
}
