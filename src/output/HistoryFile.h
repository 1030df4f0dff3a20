#pragma once
// One screenshot of the history, its thumbnail, and the file "history.dat" that
// keeps the history between runs: "PAKF", version 0, a count and the records,
// newest first; little-endian 32-bit integers and UTF-8 strings behind their
// byte length. After the records follows the folder of each, in the same
// order ("FLDR", the count, the folders); readers that stop after the counted
// records never see it, and a file without it has every record in the output
// folder.
#include "capture/Image.h"
#include "output/CaptureTime.h"
#include "output/ScreenshotFiles.h"
#include "platform/Rect.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <span>
#include <vector>

namespace fw {

struct HistoryEntry {
    CaptureTime time; // the file's last-write time, local
    ScreenshotLocation location;
    Rect rect;        // captured area on the screen; its size is the screenshot's
    Point cursor;     // mouse position at the capture
    int32_t mode = 0; // CaptureMode; 0 when unknown
    Image thumbnail;  // 32-bit with alpha, at most 180 x 180
};

constexpr int32_t kThumbnailSide = 180;
// Longest name or extension a record may hold, in bytes.
constexpr uint32_t kMaxHistoryString = 512;
// Longest folder, in bytes: any path the system can name.
constexpr uint32_t kMaxHistoryFolder = 3 * 32767;

// A copy of small screenshots, otherwise the largest size that fits the square
// with the aspect kept (Lanczos-3). Always 32-bit: 24-bit sources become opaque.
Image makeThumbnail(const Image& screenshot);

// A mode outside full screen .. timer is unknown.
int32_t knownMode(int32_t mode);

// Where a history file is written to, and read from: a file or memory.
class HistorySink {
public:
    virtual ~HistorySink() = default;
    virtual void write(const void* data, size_t size) = 0;
};
class HistorySource {
public:
    virtual ~HistorySource() = default;
    // Exactly `size` bytes; false when fewer remain or reading fails.
    virtual bool read(void* data, size_t size) = 0;
    virtual uint64_t remaining() const = 0;
};

// False when a string (folder included) is longer than a reader accepts; such
// an entry is left out of the file rather than making every older record after
// it unreadable.
bool isStorable(const HistoryEntry& entry);
// Writes one record in the file's layout.
void writeHistoryRecord(HistorySink& sink, const HistoryEntry& entry);
// The whole file for entries given oldest first (the file lists them newest first).
void writeHistory(HistorySink& sink, const std::list<HistoryEntry>& oldestFirst);
std::vector<uint8_t> encodeHistory(const std::list<HistoryEntry>& oldestFirst);

// One record as stored.
struct HistoryRecord {
    WideString name;
    WideString extension;
    CaptureTime time;
    int32_t mode = 0;
    Rect rect;
    Point cursor;
    Image thumbnail; // 32-bit with alpha; empty when the record has no pixels
};

enum class HistoryReadStatus {
    Reading,
    Complete,     // every counted record was read
    Foreign,      // no history file: too short or another magic
    Truncated,    // the file ends inside a record, or holds fewer than counted
    BadString,    // a name or extension longer than kMaxHistoryString
    BadThumbnail, // dimensions out of range or a data size that does not match them
};

// Reads records one by one; the first fault stops it for good, so that every
// record handed out is whole and consistent and nothing is read past the end.
class HistoryReader {
public:
    explicit HistoryReader(HistorySource& source);
    explicit HistoryReader(std::span<const uint8_t> file);
    HistoryReader(const HistoryReader&) = delete;
    HistoryReader& operator=(const HistoryReader&) = delete;

    // False at the end or at a fault; status() tells which.
    bool next(HistoryRecord& record);
    HistoryReadStatus status() const { return status_; }
    // The stored count; 0 for foreign files and counts below 1.
    uint32_t count() const { return count_; }
    // Once every record was read: the folder of each, in the order of the
    // records. Empty when the file has none (or a damaged list).
    std::vector<WideString> readFolders();

private:
    class MemorySource : public HistorySource {
    public:
        explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
        bool read(void* data, size_t size) override;
        uint64_t remaining() const override { return bytes_.size(); }

    private:
        std::span<const uint8_t> bytes_;
    };

    void readHeader();
    bool take(void* data, size_t size);
    bool takeInt(int32_t& value);
    bool takeString(WideString& text, uint32_t longest = kMaxHistoryString);
    bool takeThumbnail(HistoryRecord& record);
    bool fail(HistoryReadStatus status);

    MemorySource memory_{{}};
    HistorySource& source_;
    uint32_t count_ = 0;
    uint32_t read_ = 0;
    HistoryReadStatus status_ = HistoryReadStatus::Reading;
};

} // namespace fw
