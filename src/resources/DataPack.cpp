#include "resources/DataPack.h"

#include "platform/ByteOrder.h"
#include "platform/Files.h"
#include "platform/KnownFolders.h"

#include <cstring>

namespace fw {

namespace {

constexpr size_t kFileHeaderSize = 20;
constexpr size_t kGroupHeaderSize = 48;
constexpr size_t kEntryHeaderSize = 52;
// Names are read into a 512-byte buffer that keeps room for a terminator.
constexpr int32_t kMaxNameBytes = 510;

// Reads little-endian fields front to back; every read is checked against the
// bytes that are actually there.
class PackReader {
public:
    explicit PackReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool has(size_t count) const { return bytes_.size() - position_ >= count; }
    size_t remaining() const { return bytes_.size() - position_; }

    int32_t int32At(size_t offset) const {
        return static_cast<int32_t>(readLittle32(bytes_.data() + position_ + offset));
    }
    const uint8_t* at(size_t offset) const { return bytes_.data() + position_ + offset; }
    void skip(size_t count) { position_ += count; }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

void readKept(const PackReader& reader, DataPackKeptValues& kept) {
    for (size_t i = 0; i < 3; ++i) {
        kept.values[i] = reader.int32At(4 + 4 * i);
    }
    std::memcpy(kept.block.data(), reader.at(16), kept.block.size());
}

// The name as UTF-16 up to its first zero unit.
bool readName(PackReader& reader, int32_t length, WideString& name) {
    if (length < 0 || length > kMaxNameBytes || !reader.has(static_cast<size_t>(length))) {
        return false;
    }
    name.clear();
    const uint8_t* bytes = reader.at(0);
    for (int32_t i = 0; i + 1 < length; i += 2) {
        const char16_t unit = readLittle16(bytes + i);
        if (unit == 0) {
            break;
        }
        name.push_back(unit);
    }
    reader.skip(static_cast<size_t>(length));
    return true;
}

bool readEntry(PackReader& reader, DataPackEntry& entry) {
    if (!reader.has(kEntryHeaderSize)) {
        return false;
    }
    readKept(reader, entry.kept);
    int32_t nameLength = reader.int32At(0);
    int32_t dataLength = reader.int32At(44);
    reader.skip(kEntryHeaderSize);
    if (!readName(reader, nameLength, entry.name) || dataLength < 0 ||
        !reader.has(static_cast<size_t>(dataLength))) {
        return false;
    }
    entry.data.assign(reader.at(0), reader.at(0) + dataLength);
    reader.skip(static_cast<size_t>(dataLength));
    return true;
}

bool readGroup(PackReader& reader, DataPackGroup& group) {
    if (!reader.has(kGroupHeaderSize)) {
        return false;
    }
    readKept(reader, group.kept);
    int32_t nameLength = reader.int32At(0);
    int32_t entryCount = reader.int32At(44);
    reader.skip(kGroupHeaderSize);
    // Each entry needs at least its header: a larger count cannot be real.
    if (!readName(reader, nameLength, group.name) || entryCount < 0 ||
        static_cast<size_t>(entryCount) > reader.remaining() / kEntryHeaderSize) {
        return false;
    }
    for (int32_t i = 0; i < entryCount; ++i) {
        auto entry = std::make_unique<DataPackEntry>();
        if (!readEntry(reader, *entry)) {
            return false;
        }
        group.entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace

const DataPackEntry* DataPackGroup::findEntry(WideStringView entryName) const {
    for (const auto& entry : entries) {
        if (entry->name == entryName) {
            return entry.get();
        }
    }
    return nullptr;
}

bool DataPack::open(WideStringView path) {
    Bytes contents;
    if (!os::readFile(path, contents)) {
        return false;
    }
    path_ = WideString(path);
    return openBytes(contents);
}

bool DataPack::openBytes(std::span<const uint8_t> bytes) {
    groups_.clear();
    PackReader reader(bytes);
    if (!reader.has(kFileHeaderSize) || bytes[0] != 0x46 || bytes[1] != 0x41) {
        return false;
    }
    int32_t groupCount = reader.int32At(12);
    if (groupCount < 0 || reader.int32At(16) < 0) {
        return false;
    }
    headerValue1_ = reader.int32At(4);
    headerValue2_ = reader.int32At(8);
    reader.skip(kFileHeaderSize);
    if (static_cast<size_t>(groupCount) > reader.remaining() / kGroupHeaderSize) {
        return false;
    }
    for (int32_t i = 0; i < groupCount; ++i) {
        auto group = std::make_unique<DataPackGroup>();
        if (!readGroup(reader, *group)) {
            groups_.clear();
            return false;
        }
        groups_.push_back(std::move(group));
    }
    return true;
}

const DataPackGroup* DataPack::findGroup(WideStringView groupName) const {
    for (const auto& group : groups_) {
        if (group->name == groupName) {
            return group.get();
        }
    }
    return nullptr;
}

const DataPackEntry* DataPack::find(WideStringView groupName, WideStringView entryName) const {
    const DataPackGroup* group = findGroup(groupName);
    return group ? group->findEntry(entryName) : nullptr;
}

const DataPackEntry* DataPack::findPath(WideStringView resourcePath) const {
    size_t at = resourcePath.find_first_of(u"\\/");
    if (at == WideStringView::npos) {
        return nullptr;
    }
    return find(resourcePath.substr(0, at), resourcePath.substr(at + 1));
}

bool DataPackList::mount(WideStringView name, WideStringView executableFolder) {
    WideString path;
    if (name.find(u'\\') != WideStringView::npos) {
        path = WideString(name);
    } else {
        WideString fileName = WideString(name) + u".pak";
        path = joinPath(executableFolder, fileName);
        if (!os::fileExists(path)) {
            path = joinPath(joinPath(executableFolder, u"data"), fileName);
        }
    }
    if (!os::fileExists(path)) {
        return false;
    }
    auto pack = std::make_unique<DataPack>();
    if (!pack->open(path)) {
        return false;
    }
    packs_.emplace_back(fileTitleOf(path), std::move(pack));
    return true;
}

const DataPack* DataPackList::find(WideStringView name) const {
    for (const auto& [packName, pack] : packs_) {
        if (packName == name) {
            return pack.get();
        }
    }
    return nullptr;
}

DataPackList& dataPacks() {
    static DataPackList list;
    return list;
}

bool mountDataPack(WideStringView name) {
    return dataPacks().mount(name, parentFolder(os::executablePath()));
}

const DataPack* findDataPack(WideStringView name) {
    return dataPacks().find(name);
}

} // namespace fw
