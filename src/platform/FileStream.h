#pragma once
// Files read or written front to back in pieces, for binary formats handled
// record by record. Both keep a buffer, so that small fields cost no system
// call each, and pass large pieces straight through.
#include "platform/WideString.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw::os {

class FileReader {
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    bool open(WideStringView path);
    // The size at opening, and what is left of it.
    uint64_t size() const { return size_; }
    uint64_t remaining() const { return size_ - consumed_; }
    // Exactly `size` bytes; false when the file ends first or a read fails.
    bool read(void* data, size_t size);

private:
    // The system's read: bytes read, 0 at the end or on an error.
    size_t readSome(void* data, size_t size);
    void close();

    intptr_t handle_ = -1;
    uint64_t size_ = 0;
    uint64_t consumed_ = 0;
    std::vector<uint8_t> buffer_;
    size_t bufferStart_ = 0;
    size_t bufferEnd_ = 0;
};

class FileWriter {
public:
    FileWriter() = default;
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;
    // Closes a file that was not finished; what was written may be incomplete.
    ~FileWriter();

    // Creates the file or truncates it, not shared with other writers.
    bool create(WideStringView path);
    // A failed write makes finish() fail; later writes are ignored.
    void write(const void* data, size_t size);
    // Writes what is buffered, flushes it to the disk and closes the file;
    // false when anything failed since create().
    bool finish();

private:
    bool writeAll(const void* data, size_t size);
    bool flushToDisk();
    void close();
    bool drain();

    intptr_t handle_ = -1;
    std::vector<uint8_t> buffer_;
    bool failed_ = false;
};

} // namespace fw::os
