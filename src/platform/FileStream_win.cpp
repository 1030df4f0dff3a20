#include "platform/FileStream.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

namespace fw::os {

namespace {

HANDLE handleOf(intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

intptr_t valueOf(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<intptr_t>(handle);
}

// ReadFile and WriteFile take 32-bit sizes.
DWORD chunkOf(size_t size) {
    return static_cast<DWORD>(size > (1u << 30) ? (1u << 30) : size);
}

} // namespace

bool FileReader::open(WideStringView path) {
    close();
    FileHandle file(::CreateFileW(wide(WideString(path)), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) {
        return false;
    }
    handle_ = valueOf(file.release());
    size_ = static_cast<uint64_t>(size.QuadPart);
    consumed_ = 0;
    bufferStart_ = bufferEnd_ = 0;
    return true;
}

size_t FileReader::readSome(void* data, size_t size) {
    DWORD got = 0;
    if (!::ReadFile(handleOf(handle_), data, chunkOf(size), &got, nullptr)) {
        return 0;
    }
    return got;
}

void FileReader::close() {
    if (handle_ != -1) {
        ::CloseHandle(handleOf(handle_));
        handle_ = -1;
    }
}

bool FileWriter::create(WideStringView path) {
    close();
    handle_ = valueOf(::CreateFileW(wide(WideString(path)), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    failed_ = false;
    buffer_.clear();
    buffer_.reserve(65536);
    return handle_ != -1;
}

bool FileWriter::writeAll(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (size > 0) {
        DWORD put = 0;
        if (!::WriteFile(handleOf(handle_), bytes, chunkOf(size), &put, nullptr) || put == 0) {
            return false;
        }
        bytes += put;
        size -= put;
    }
    return true;
}

bool FileWriter::flushToDisk() {
    return ::FlushFileBuffers(handleOf(handle_)) != 0;
}

void FileWriter::close() {
    if (handle_ != -1) {
        ::CloseHandle(handleOf(handle_));
        handle_ = -1;
    }
}

} // namespace fw::os
