#pragma once
// One screenshot of the history, its thumbnail, and the file "history.dat" that
// keeps the history between runs: "PAKF", version 0, a count and the records,
// newest first; little-endian 32-bit integers and UTF-8 strings behind their
// byte length.
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

// A copy of small screenshots, otherwise the largest size that fits the square
// with the aspect kept (Lanczos-3). Always 32-bit: 24-bit sources become opaque.
Image makeThumbnail(const Image& screenshot);

// A mode outside full screen .. timer is unknown.
int32_t knownMode(int32_t mode);

// Appends one record in the file's layout.
void appendHistoryRecord(std::vector<uint8_t>& out, const HistoryEntry& entry);
// False when a string is longer than a reader accepts; such an entry is left
// out of the file rather than making every older record after it unreadable.
bool isStorable(const HistoryEntry& entry);
// The whole file for entries given oldest first (the file lists them newest first).
std::vector<uint8_t> encodeHistory(const std::list<HistoryEntry>& oldestFirst);

// One record as stored; `pixels` points into the buffer the reader was given.
struct HistoryRecord {
    WideString name;
    WideString extension;
    CaptureTime time;
    int32_t mode = 0;
    Rect rect;
    Point cursor;
    int32_t thumbnailWidth = 0;
    int32_t thumbnailHeight = 0;
    std::span<const uint8_t> pixels;

    // The stored thumbnail as a 32-bit image with alpha; empty when it has no pixels.
    Image thumbnail() const;
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
// record handed out is whole and consistent and nothing is read past the buffer.
class HistoryReader {
public:
    explicit HistoryReader(std::span<const uint8_t> file);

    // False at the end or at a fault; status() tells which.
    bool next(HistoryRecord& record);
    HistoryReadStatus status() const { return status_; }
    // The stored count; 0 for foreign files and counts below 1.
    uint32_t count() const { return count_; }

private:
    bool take(size_t size, std::span<const uint8_t>& bytes);
    bool takeInt(int32_t& value);
    bool takeString(WideString& text);
    bool takeThumbnail(HistoryRecord& record);
    bool fail(HistoryReadStatus status);

    std::span<const uint8_t> file_;
    size_t offset_ = 0;
    uint32_t count_ = 0;
    uint32_t read_ = 0;
    HistoryReadStatus status_ = HistoryReadStatus::Reading;
};

} // namespace fw
