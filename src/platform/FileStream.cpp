#include "platform/FileStream.h"

#include <algorithm>
#include <cstring>

namespace fw::os {

namespace {
constexpr size_t kBufferSize = 65536;
} // namespace

FileReader::~FileReader() {
    close();
}

bool FileReader::read(void* data, size_t size) {
    if (handle_ == -1 || size > remaining()) {
        return false;
    }
    auto* out = static_cast<uint8_t*>(data);
    while (size > 0) {
        if (bufferStart_ == bufferEnd_) {
            // Large pieces go straight to their destination.
            if (size >= kBufferSize) {
                const size_t got = readSome(out, size);
                if (got == 0) {
                    return false;
                }
                out += got;
                size -= got;
                consumed_ += got;
                continue;
            }
            buffer_.resize(kBufferSize);
            bufferStart_ = 0;
            bufferEnd_ = readSome(buffer_.data(), buffer_.size());
            if (bufferEnd_ == 0) {
                return false;
            }
        }
        const size_t piece = std::min(size, bufferEnd_ - bufferStart_);
        std::memcpy(out, buffer_.data() + bufferStart_, piece);
        bufferStart_ += piece;
        out += piece;
        size -= piece;
        consumed_ += piece;
    }
    return true;
}

FileWriter::~FileWriter() {
    close();
}

void FileWriter::write(const void* data, size_t size) {
    if (failed_ || handle_ == -1) {
        failed_ = true;
        return;
    }
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (buffer_.size() + size <= kBufferSize) {
        buffer_.insert(buffer_.end(), bytes, bytes + size);
        return;
    }
    if (!drain()) {
        failed_ = true;
    } else if (size < kBufferSize) {
        buffer_.insert(buffer_.end(), bytes, bytes + size);
    } else {
        failed_ = !writeAll(bytes, size);
    }
}

bool FileWriter::drain() {
    const bool written = buffer_.empty() || writeAll(buffer_.data(), buffer_.size());
    buffer_.clear();
    return written;
}

bool FileWriter::finish() {
    const bool written = handle_ != -1 && !failed_ && drain() && flushToDisk();
    close();
    failed_ = false;
    return written;
}

} // namespace fw::os
