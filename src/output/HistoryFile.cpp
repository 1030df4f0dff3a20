#include "output/HistoryFile.h"
#include "capture/CaptureMode.h"
#include "platform/ByteOrder.h"
#include "ui/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace fw {

namespace {

constexpr uint8_t kMagic[4] = {'P', 'A', 'K', 'F'};
constexpr uint8_t kFoldersMagic[4] = {'F', 'L', 'D', 'R'};

class VectorSink : public HistorySink {
public:
    explicit VectorSink(std::vector<uint8_t>& out) : out_(out) {}
    void write(const void* data, size_t size) override {
        const auto* bytes = static_cast<const uint8_t*>(data);
        out_.insert(out_.end(), bytes, bytes + size);
    }

private:
    std::vector<uint8_t>& out_;
};

void appendInt(std::vector<uint8_t>& out, int32_t value) {
    appendLittle32(out, static_cast<uint32_t>(value));
}

void appendString(std::vector<uint8_t>& out, WideStringView text) {
    const std::string utf8 = toUtf8(text);
    appendInt(out, static_cast<int32_t>(utf8.size()));
    out.insert(out.end(), utf8.begin(), utf8.end());
}

Image withAlphaChannel(const Image& image) {
    if (image.hasAlpha()) {
        return image.clone();
    }
    Image result(true, image.width(), image.height());
    if (result.isEmpty()) {
        return result;
    }
    for (int32_t y = 0; y < image.height(); ++y) {
        const uint8_t* source = image.row(y);
        uint8_t* target = result.row(y);
        for (int32_t x = 0; x < image.width(); ++x, source += 3, target += 4) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
            target[3] = 255;
        }
    }
    return result;
}

} // namespace

Image makeThumbnail(const Image& screenshot) {
    const int32_t width = screenshot.width();
    const int32_t height = screenshot.height();
    if (screenshot.isEmpty() || (width <= kThumbnailSide && height <= kThumbnailSide)) {
        return withAlphaChannel(screenshot);
    }
    const double scale = std::min(static_cast<double>(kThumbnailSide) / width,
                                  static_cast<double>(kThumbnailSide) / height);
    const auto side = [scale](int32_t length) {
        return std::clamp(static_cast<int32_t>(std::lround(length * scale)), 1, kThumbnailSide);
    };
    Image small = resize(screenshot, side(width), side(height), ResampleFilter::Lanczos3);
    return small.hasAlpha() ? small : withAlphaChannel(small);
}

int32_t knownMode(int32_t mode) {
    return mode >= static_cast<int32_t>(CaptureMode::FullScreen) &&
                   mode <= static_cast<int32_t>(CaptureMode::Timer)
               ? mode
               : static_cast<int32_t>(CaptureMode::Unknown);
}

void writeHistoryRecord(HistorySink& sink, const HistoryEntry& entry) {
    std::vector<uint8_t> fields;
    fields.reserve(128);
    appendString(fields, entry.location.name);
    appendString(fields, entry.location.extension);
    const CaptureTime& t = entry.time;
    const Rect& r = entry.rect;
    // Only 32-bit thumbnails are stored; their rows carry no padding, so the
    // buffer is exactly width x height x 4.
    static const Image none;
    const Image& thumbnail = entry.thumbnail.bitsPerPixel() == 32 ? entry.thumbnail : none;
    for (int32_t value : {t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond,
                          entry.mode, r.x, r.y, r.width, r.height, entry.cursor.x, entry.cursor.y,
                          thumbnail.width(), thumbnail.height(), thumbnail.byteSize()}) {
        appendInt(fields, value);
    }
    sink.write(fields.data(), fields.size());
    sink.write(thumbnail.pixels(), static_cast<size_t>(thumbnail.byteSize()));
}

bool isStorable(const HistoryEntry& entry) {
    return toUtf8(entry.location.name).size() <= kMaxHistoryString &&
           toUtf8(entry.location.extension).size() <= kMaxHistoryString &&
           toUtf8(entry.location.folder).size() <= kMaxHistoryFolder;
}

void writeHistory(HistorySink& sink, const std::list<HistoryEntry>& oldestFirst) {
    std::vector<uint8_t> header(kMagic, kMagic + sizeof(kMagic));
    appendInt(header, 0);
    appendInt(header, static_cast<int32_t>(
                          std::count_if(oldestFirst.begin(), oldestFirst.end(), isStorable)));
    sink.write(header.data(), header.size());
    for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it) {
        if (isStorable(*it)) {
            writeHistoryRecord(sink, *it);
        }
    }
    std::vector<uint8_t> folders(kFoldersMagic, kFoldersMagic + sizeof(kFoldersMagic));
    folders.insert(folders.end(), header.end() - 4, header.end());
    for (auto it = oldestFirst.rbegin(); it != oldestFirst.rend(); ++it) {
        if (isStorable(*it)) {
            appendString(folders, it->location.folder);
        }
    }
    sink.write(folders.data(), folders.size());
}

std::vector<uint8_t> encodeHistory(const std::list<HistoryEntry>& oldestFirst) {
    size_t size = 12;
    for (const HistoryEntry& entry : oldestFirst) {
        size += 128 + static_cast<size_t>(entry.thumbnail.byteSize());
    }
    std::vector<uint8_t> out;
    out.reserve(size);
    VectorSink sink(out);
    writeHistory(sink, oldestFirst);
    return out;
}

bool HistoryReader::MemorySource::read(void* data, size_t size) {
    if (size > bytes_.size()) {
        return false;
    }
    if (size > 0) {
        std::memcpy(data, bytes_.data(), size);
    }
    bytes_ = bytes_.subspan(size);
    return true;
}

HistoryReader::HistoryReader(HistorySource& source) : source_(source) {
    readHeader();
}

HistoryReader::HistoryReader(std::span<const uint8_t> file) : memory_(file), source_(memory_) {
    readHeader();
}

void HistoryReader::readHeader() {
    uint8_t magic[sizeof(kMagic)];
    if (!take(magic, sizeof(magic)) || !std::equal(magic, magic + sizeof(magic), kMagic)) {
        fail(HistoryReadStatus::Foreign);
        return;
    }
    int32_t version = 0;
    int32_t count = 0;
    if (!takeInt(version) || !takeInt(count)) {
        return;
    }
    count_ = count > 0 ? static_cast<uint32_t>(count) : 0;
}

bool HistoryReader::next(HistoryRecord& record) {
    if (status_ != HistoryReadStatus::Reading) {
        return false;
    }
    if (read_ == count_) {
        return fail(HistoryReadStatus::Complete);
    }
    int32_t values[14];
    if (!takeString(record.name) || !takeString(record.extension)) {
        return false;
    }
    for (int32_t& value : values) {
        if (!takeInt(value)) {
            return false;
        }
    }
    record.time =
        CaptureTime{values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
    record.mode = values[7];
    record.rect = Rect{values[8], values[9], values[10], values[11]};
    record.cursor = Point{values[12], values[13]};
    if (!takeThumbnail(record)) {
        return false;
    }
    ++read_;
    return true;
}

bool HistoryReader::take(void* data, size_t size) {
    if (status_ != HistoryReadStatus::Reading) {
        return false;
    }
    return source_.read(data, size) || fail(HistoryReadStatus::Truncated);
}

bool HistoryReader::takeInt(int32_t& value) {
    uint8_t bytes[4];
    if (!take(bytes, sizeof(bytes))) {
        return false;
    }
    value = static_cast<int32_t>(readLittle32(bytes));
    return true;
}

bool HistoryReader::takeString(WideString& text, uint32_t longest) {
    int32_t length = 0;
    if (!takeInt(length)) {
        return false;
    }
    if (length < 0 || static_cast<uint32_t>(length) > longest) {
        return fail(HistoryReadStatus::BadString);
    }
    char bytes[kMaxHistoryString];
    if (static_cast<uint32_t>(length) <= sizeof(bytes)) {
        if (!take(bytes, static_cast<size_t>(length))) {
            return false;
        }
        text = fromUtf8(std::string_view(bytes, static_cast<size_t>(length)));
        return true;
    }
    // Checked before allocating, so that a lying file costs no memory.
    if (static_cast<uint64_t>(length) > source_.remaining()) {
        return fail(HistoryReadStatus::Truncated);
    }
    std::string longer(static_cast<size_t>(length), '\0');
    if (!take(longer.data(), longer.size())) {
        return false;
    }
    text = fromUtf8(longer);
    return true;
}

std::vector<WideString> HistoryReader::readFolders() {
    std::vector<WideString> folders;
    uint8_t magic[sizeof(kFoldersMagic)];
    int32_t count = 0;
    // Only a whole list that matches the records counts; a file written before
    // folders were kept simply ends here.
    if (status_ != HistoryReadStatus::Complete || source_.remaining() < 8 ||
        !source_.read(magic, sizeof(magic)) ||
        !std::equal(magic, magic + sizeof(magic), kFoldersMagic)) {
        return folders;
    }
    status_ = HistoryReadStatus::Reading;
    if (takeInt(count) && static_cast<uint32_t>(count) == count_) {
        folders.resize(count_);
        for (WideString& folder : folders) {
            if (!takeString(folder, kMaxHistoryFolder)) {
                folders.clear();
                break;
            }
        }
    }
    if (status_ != HistoryReadStatus::Reading) {
        folders.clear();
    }
    // The records were whole whatever became of the list.
    status_ = HistoryReadStatus::Complete;
    return folders;
}

bool HistoryReader::takeThumbnail(HistoryRecord& record) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t size = 0;
    if (!takeInt(width) || !takeInt(height) || !takeInt(size)) {
        return false;
    }
    const auto inRange = [](int32_t side) { return side >= 0 && side <= kThumbnailSide; };
    if (!inRange(width) || !inRange(height) || size != width * height * 4) {
        return fail(HistoryReadStatus::BadThumbnail);
    }
    record.thumbnail = Image();
    if (size == 0) {
        return true;
    }
    // Checked before allocating, so that a lying file costs no memory.
    if (static_cast<uint64_t>(size) > source_.remaining()) {
        return fail(HistoryReadStatus::Truncated);
    }
    Image thumbnail(true, width, height);
    if (thumbnail.isEmpty()) {
        return fail(HistoryReadStatus::BadThumbnail);
    }
    if (!take(thumbnail.pixels(), static_cast<size_t>(size))) {
        return false;
    }
    record.thumbnail = std::move(thumbnail);
    return true;
}

bool HistoryReader::fail(HistoryReadStatus status) {
    status_ = status;
    return false;
}

} // namespace fw
