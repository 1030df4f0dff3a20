#include "platform/FileStream.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw::os {

namespace {

std::string nativePath(WideStringView path) {
    std::string result = toUtf8(path);
    for (char& c : result) {
        if (c == '\\') {
            c = '/';
        }
    }
    return result;
}

} // namespace

bool FileReader::open(WideStringView path) {
    close();
    const int fd = ::open(nativePath(path).c_str(), O_RDONLY);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    handle_ = fd;
    size_ = static_cast<uint64_t>(info.st_size);
    consumed_ = 0;
    bufferStart_ = bufferEnd_ = 0;
    return true;
}

size_t FileReader::readSome(void* data, size_t size) {
    while (true) {
        const ssize_t got = ::read(static_cast<int>(handle_), data, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got > 0 ? static_cast<size_t>(got) : 0;
    }
}

void FileReader::close() {
    if (handle_ != -1) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
}

bool FileWriter::create(WideStringView path) {
    close();
    const int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    handle_ = fd < 0 ? -1 : fd;
    failed_ = false;
    buffer_.clear();
    buffer_.reserve(65536);
    return handle_ != -1;
}

bool FileWriter::writeAll(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const ssize_t put = ::write(static_cast<int>(handle_), bytes, size);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

bool FileWriter::flushToDisk() {
    return ::fsync(static_cast<int>(handle_)) == 0;
}

void FileWriter::close() {
    if (handle_ != -1) {
        ::close(static_cast<int>(handle_));
        handle_ = -1;
    }
}

} // namespace fw::os
