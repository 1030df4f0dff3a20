#include "app/TestSeams.h"

#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <string>

namespace fw {

namespace {

WideString environmentPath(const wchar_t* name) {
    wchar_t buffer[1024];
    const DWORD length = ::GetEnvironmentVariableW(name, buffer, 1024);
    return length == 0 || length >= 1024 ? WideString() : fromWide(buffer, length);
}

} // namespace

void logSoundForTests(WideStringView path) {
    const WideString log = environmentPath(L"FW_SOUND_LOG");
    if (log.empty()) {
        return;
    }
    const size_t slash = path.rfind(u'\\');
    const WideString name(slash == WideStringView::npos ? path : path.substr(slash + 1));
    const std::string line = std::to_string(::GetTickCount()) + " " + toUtf8(name) + "\r\n";
    FileHandle file(::CreateFileW(wide(log), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return;
    }
    DWORD written = 0;
    ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

bool simulatedFreeSpace(uint64_t& bytes) {
    const WideString path = environmentPath(L"FW_FREE_SPACE_FILE");
    Bytes contents;
    if (path.empty() || !os::readFile(path, contents) || contents.empty()) {
        return false;
    }
    uint64_t value = 0;
    for (uint8_t c : contents) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    bytes = value;
    return true;
}

} // namespace fw
