#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/Time.h"
#include "platform/Win32.h"

namespace fw::os {

namespace {

// Suppresses the "insert a disk" style critical-error dialogs while it lives.
class QuietErrors {
public:
    QuietErrors() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;
    ~QuietErrors() { ::SetErrorMode(previous_); }

private:
    UINT previous_;
};

DWORD attributesOf(WideStringView path) {
    if (path.empty()) {
        return INVALID_FILE_ATTRIBUTES;
    }
    QuietErrors quiet;
    return ::GetFileAttributesW(wide(WideString(path)));
}

DateTime fromSystemTime(const SYSTEMTIME& st) {
    return DateTime{st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
                    st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
}

// With the offset in force at the file's own date, not today's: otherwise
// every file would move by an hour when daylight saving starts or ends. A
// null zone is the current one.
bool toLocalTime(const FILETIME& written, const TIME_ZONE_INFORMATION* zone, DateTime& time) {
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (!::FileTimeToSystemTime(&written, &utc) ||
        !::SystemTimeToTzSpecificLocalTime(zone, &utc, &local)) {
        return false;
    }
    time = fromSystemTime(local);
    return true;
}

} // namespace

bool fileExists(WideStringView path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(WideStringView path) {
    DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool createFolder(WideStringView path) {
    if (path.empty() || path.size() >= kMaxPathLength) {
        return false;
    }
    if (folderExists(path)) {
        return true;
    }
    WideString parent = parentFolder(path);
    // "C:" has no parent to create; stop there.
    if (!parent.empty() && parent.size() > 2 && !folderExists(parent) && !createFolder(parent)) {
        return false;
    }
    return ::CreateDirectoryW(wide(WideString(path)), nullptr) || folderExists(path);
}

bool readFile(WideStringView path, Bytes& contents) {
    contents.clear();
    FileHandle file(::CreateFileW(wide(WideString(path)), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    // One allocation for the whole file instead of regrowing per chunk.
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
        contents.reserve(static_cast<size_t>(size.QuadPart));
    }
    uint8_t buffer[65536];
    while (true) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof(buffer), &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        contents.insert(contents.end(), buffer, buffer + got);
    }
}

bool writeFile(WideStringView path, const void* data, size_t size) {
    FileHandle file(::CreateFileW(wide(WideString(path)), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    size_t done = 0;
    while (done < size) {
        DWORD chunk = static_cast<DWORD>(size - done > (1u << 30) ? (1u << 30) : size - done);
        DWORD put = 0;
        if (!::WriteFile(file.get(), bytes + done, chunk, &put, nullptr) || put == 0) {
            return false;
        }
        done += put;
    }
    return ::FlushFileBuffers(file.get()) != 0;
}

bool createNewFile(WideStringView path) {
    FileHandle file(::CreateFileW(wide(WideString(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool replaceFile(WideStringView source, WideStringView target) {
    const WideString from(source);
    const WideString to(target);
    // A virus scanner, an indexer or another program reading the target holds
    // it for moments; a few short retries keep such a moment from losing a save.
    constexpr uint32_t kRetryDelaysMs[] = {10, 20, 40, 80, 160};
    for (uint32_t delay : kRetryDelaysMs) {
        if (::MoveFileExW(wide(from), wide(to),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
            error != ERROR_LOCK_VIOLATION) {
            return false;
        }
        sleepMs(delay);
    }
    return ::MoveFileExW(wide(from), wide(to),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool deleteFile(WideStringView path) {
    return ::DeleteFileW(wide(WideString(path))) != 0;
}

bool moveFile(WideStringView from, WideStringView to) {
    return ::MoveFileExW(wide(WideString(from)), wide(WideString(to)),
                         MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) != 0;
}

bool copyFile(WideStringView from, WideStringView to) {
    return ::CopyFileW(wide(WideString(from)), wide(WideString(to)), TRUE) != 0;
}

bool fileSize(WideStringView path, uint64_t& size) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    QuietErrors quiet;
    if (!::GetFileAttributesExW(wide(WideString(path)), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool lastWriteTime(WideStringView path, DateTime& time) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    QuietErrors quiet;
    return ::GetFileAttributesExW(wide(WideString(path)), GetFileExInfoStandard, &data) &&
           toLocalTime(data.ftLastWriteTime, nullptr, time);
}

bool setLastWriteTime(WideStringView path, const DateTime& localTime) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(localTime.year);
    st.wMonth = static_cast<WORD>(localTime.month);
    st.wDay = static_cast<WORD>(localTime.day);
    st.wHour = static_cast<WORD>(localTime.hour);
    st.wMinute = static_cast<WORD>(localTime.minute);
    st.wSecond = static_cast<WORD>(localTime.second);
    st.wMilliseconds = static_cast<WORD>(localTime.millisecond);
    SYSTEMTIME universal{};
    FILETIME utc{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &st, &universal) ||
        !::SystemTimeToFileTime(&universal, &utc)) {
        return false;
    }
    FileHandle file(::CreateFileW(wide(WideString(path)), FILE_WRITE_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && ::SetFileTime(file.get(), nullptr, nullptr, &utc) != 0;
}

std::vector<WideString> listFiles(WideStringView folder) {
    std::vector<WideString> names;
    WIN32_FIND_DATAW found{};
    QuietErrors quiet;
    FindHandle search(::FindFirstFileW(wide(joinPath(folder, u"*")), &found));
    if (!search) {
        return names;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            names.push_back(fromWide(found.cFileName));
        }
    } while (::FindNextFileW(search.get(), &found));
    return names;
}

std::vector<FolderFile> listFilesWritten(WideStringView folder) {
    std::vector<FolderFile> files;
    // The zone is looked up once for the whole folder rather than per file.
    TIME_ZONE_INFORMATION zone{};
    const TIME_ZONE_INFORMATION* rules =
        ::GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID ? &zone : nullptr;
    WIN32_FIND_DATAW found{};
    QuietErrors quiet;
    FindHandle search(::FindFirstFileW(wide(joinPath(folder, u"*")), &found));
    if (!search) {
        return files;
    }
    do {
        FolderFile file;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            toLocalTime(found.ftLastWriteTime, rules, file.written)) {
            file.name = fromWide(found.cFileName);
            files.push_back(std::move(file));
        }
    } while (::FindNextFileW(search.get(), &found));
    return files;
}

bool freeDiskSpace(WideStringView path, uint64_t& bytes) {
    ULARGE_INTEGER available{};
    QuietErrors quiet;
    if (!::GetDiskFreeSpaceExW(wide(WideString(path)), &available, nullptr, nullptr)) {
        return false;
    }
    bytes = available.QuadPart;
    return true;
}

} // namespace fw::os
