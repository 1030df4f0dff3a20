#pragma once
// Data packs: single files holding named groups of named entries, read whole
// into memory when opened. The main pack "data" lives for the whole run; style
// files use the same format.
#include "platform/WideString.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace fw {

// Header values the format carries but nothing interprets; kept as read.
struct DataPackKeptValues {
    std::array<int32_t, 3> values{};
    std::array<uint8_t, 28> block{};
};

class DataPackEntry {
public:
    WideString name;
    DataPackKeptValues kept;
    std::vector<uint8_t> data;

    std::span<const uint8_t> bytes() const { return {data.data(), data.size()}; }
};

class DataPackGroup {
public:
    WideString name;
    DataPackKeptValues kept;
    std::vector<std::unique_ptr<DataPackEntry>> entries;

    const DataPackEntry* findEntry(WideStringView entryName) const;
};

class DataPack {
public:
    // Reads the whole file; false when it is missing, shorter than its header,
    // not a pack, or damaged (a count or length beyond the end of the file).
    bool open(WideStringView path);
    // The same from bytes already in memory.
    bool openBytes(std::span<const uint8_t> bytes);

    const DataPackGroup* findGroup(WideStringView groupName) const;
    const DataPackEntry* find(WideStringView groupName, WideStringView entryName) const;
    // A resource path "group\entry" or "group/entry".
    const DataPackEntry* findPath(WideStringView resourcePath) const;

    const WideString& path() const { return path_; }
    int32_t headerValue1() const { return headerValue1_; }
    int32_t headerValue2() const { return headerValue2_; }
    const std::vector<std::unique_ptr<DataPackGroup>>& groups() const { return groups_; }

private:
    WideString path_;
    int32_t headerValue1_ = 1;
    int32_t headerValue2_ = 0;
    std::vector<std::unique_ptr<DataPackGroup>> groups_;
};

// The mounted packs, in mounting order; lookups find the first of a name.
class DataPackList {
public:
    // A name with a backslash is a path that must exist; otherwise the pack is
    // `executableFolder\name.pak`, or else `executableFolder\data\name.pak`.
    bool mount(WideStringView name, WideStringView executableFolder);
    const DataPack* find(WideStringView name) const;
    void clear() { packs_.clear(); }

private:
    std::vector<std::pair<WideString, std::unique_ptr<DataPack>>> packs_;
};

// The process-wide list, mounted relative to the running executable.
DataPackList& dataPacks();
bool mountDataPack(WideStringView name);
const DataPack* findDataPack(WideStringView name);

} // namespace fw
