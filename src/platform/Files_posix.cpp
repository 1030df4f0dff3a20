#include "platform/Files.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/time.h>
#include <unistd.h>

namespace fw::os {

// The program builds paths with "\"; the POSIX file system wants "/".
static std::string nativePath(WideStringView path) {
    std::string result = toUtf8(path);
    for (char& c : result) {
        if (c == '\\') {
            c = '/';
        }
    }
    return result;
}

static bool statPath(WideStringView path, struct stat& info) {
    return !path.empty() && ::stat(nativePath(path).c_str(), &info) == 0;
}

bool fileExists(WideStringView path) {
    struct stat info {};
    return statPath(path, info) && !S_ISDIR(info.st_mode);
}

bool folderExists(WideStringView path) {
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool createFolder(WideStringView path) {
    if (path.empty() || path.size() >= kMaxPathLength) {
        return false;
    }
    if (folderExists(path)) {
        return true;
    }
    WideString parent = parentFolder(path);
    if (!parent.empty() && !folderExists(parent) && !createFolder(parent)) {
        return false;
    }
    return ::mkdir(nativePath(path).c_str(), 0755) == 0 || folderExists(path);
}

bool readFile(WideStringView path, Bytes& contents) {
    contents.clear();
    int fd = ::open(nativePath(path).c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    // One allocation for the whole file instead of regrowing per chunk.
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        contents.reserve(static_cast<size_t>(info.st_size));
    }
    uint8_t buffer[65536];
    bool ok = true;
    while (true) {
        ssize_t got = ::read(fd, buffer, sizeof(buffer));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        if (got == 0) {
            break;
        }
        contents.insert(contents.end(), buffer, buffer + got);
    }
    ::close(fd);
    return ok;
}

bool writeFile(WideStringView path, const void* data, size_t size) {
    int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        return false;
    }
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    size_t done = 0;
    bool ok = true;
    while (done < size) {
        ssize_t put = ::write(fd, bytes + done, size - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(put);
    }
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

bool createNewFile(WideStringView path) {
    const int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

bool replaceFile(WideStringView source, WideStringView target) {
    return ::rename(nativePath(source).c_str(), nativePath(target).c_str()) == 0;
}

bool deleteFile(WideStringView path) {
    return ::unlink(nativePath(path).c_str()) == 0;
}

bool moveFile(WideStringView from, WideStringView to) {
    if (fileExists(to) || folderExists(to)) {
        return false;
    }
    return ::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0;
}

bool copyFile(WideStringView from, WideStringView to) {
    Bytes contents;
    return readFile(from, contents) && writeFile(to, contents.data(), contents.size());
}

bool fileSize(WideStringView path, uint64_t& size) {
    struct stat info {};
    if (!statPath(path, info) || S_ISDIR(info.st_mode)) {
        return false;
    }
    size = static_cast<uint64_t>(info.st_size);
    return true;
}

static DateTime fromTm(const std::tm& tm, int32_t millisecond) {
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_wday, tm.tm_mday,
                    tm.tm_hour,        tm.tm_min,     tm.tm_sec,  millisecond};
}

bool lastWriteTime(WideStringView path, DateTime& time) {
    struct stat info {};
    if (!statPath(path, info)) {
        return false;
    }
    std::tm tm{};
    time_t seconds = info.st_mtim.tv_sec;
    if (!::localtime_r(&seconds, &tm)) {
        return false;
    }
    time = fromTm(tm, static_cast<int32_t>(info.st_mtim.tv_nsec / 1000000));
    return true;
}

bool setLastWriteTime(WideStringView path, const DateTime& localTime) {
    std::tm tm{};
    tm.tm_year = localTime.year - 1900;
    tm.tm_mon = localTime.month - 1;
    tm.tm_mday = localTime.day;
    tm.tm_hour = localTime.hour;
    tm.tm_min = localTime.minute;
    tm.tm_sec = localTime.second;
    tm.tm_isdst = -1;
    time_t seconds = ::mktime(&tm);
    if (seconds == static_cast<time_t>(-1)) {
        return false;
    }
    struct timeval times[2];
    for (auto& t : times) {
        t.tv_sec = seconds;
        t.tv_usec = localTime.millisecond * 1000;
    }
    return ::utimes(nativePath(path).c_str(), times) == 0;
}

std::vector<WideString> listFiles(WideStringView folder) {
    std::vector<WideString> names;
    DIR* dir = ::opendir(nativePath(folder).c_str());
    if (!dir) {
        return names;
    }
    while (dirent* item = ::readdir(dir)) {
        WideString name = fromUtf8(item->d_name);
        if (fileExists(joinPath(folder, name))) {
            names.push_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

std::vector<FolderFile> listFilesWritten(WideStringView folder) {
    std::vector<FolderFile> files;
    for (WideString& name : listFiles(folder)) {
        FolderFile file;
        if (lastWriteTime(joinPath(folder, name), file.written)) {
            file.name = std::move(name);
            files.push_back(std::move(file));
        }
    }
    return files;
}

bool freeDiskSpace(WideStringView path, uint64_t& bytes) {
    struct statvfs info {};
    if (::statvfs(nativePath(path).c_str(), &info) != 0) {
        return false;
    }
    bytes = static_cast<uint64_t>(info.f_bavail) * info.f_frsize;
    return true;
}

} // namespace fw::os
