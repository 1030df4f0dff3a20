#include "platform/FileAccess.h"
#include "platform/Files.h"

#include <fcntl.h>
#include <unistd.h>

namespace fw::os {

// POSIX has no Recycle Bin the program could reach: the file is deleted.
bool moveToRecycleBin(WideStringView path) {
    return fileExists(path) && deleteFile(path);
}

// POSIX has no share modes; a file that opens for writing counts as free.
bool canOpenExclusively(WideStringView path) {
    std::string native = toUtf8(path);
    for (char& c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    int descriptor = ::open(native.c_str(), O_WRONLY);
    if (descriptor < 0) {
        return false;
    }
    ::close(descriptor);
    return true;
}

} // namespace fw::os
