#include "stats/StatsServerProcess.h"

#include "platform/Files.h"
#include "platform/Win32.h"

// Wine starts Unix programs through CreateProcess and shows the Linux file
// system as drive Z:, so the server runs as it does natively.
namespace fw::test {
namespace {

WideString windowsPath(const std::string& unixPath) {
    WideString path = u"Z:" + fromUtf8(unixPath);
    for (char16_t& c : path) {
        if (c == u'/') {
            c = u'\\';
        }
    }
    return path;
}

} // namespace

std::string readTextFile(const std::string& unixPath) {
    Bytes contents;
    if (!os::readFile(windowsPath(unixPath), contents)) {
        return std::string();
    }
    return std::string(contents.begin(), contents.end());
}

bool StatsServerProcess::launch(const std::string& portFile, const std::string& recordFile) {
    os::createFolder(windowsPath(folder_));
    WideString command = u"Z:\\usr\\bin\\python3 " + fromUtf8(std::string(FW_SOURCE_DIR)) +
                         u"/tools/stats-server --port-file " + fromUtf8(portFile) + u" --record " +
                         fromUtf8(recordFile) + u" --max-requests 1 --lifetime 60";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, const_cast<wchar_t*>(wide(command)), nullptr, nullptr, FALSE, 0,
                          nullptr, nullptr, &startup, &info)) {
        return false;
    }
    ::CloseHandle(info.hThread);
    process_ = reinterpret_cast<intptr_t>(info.hProcess);
    return true;
}

void StatsServerProcess::stop() {
    if (process_ != 0) {
        HANDLE process = reinterpret_cast<HANDLE>(process_);
        ::TerminateProcess(process, 0);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
        process_ = 0;
    }
    os::deleteFile(windowsPath(folder_ + "/port"));
    os::deleteFile(windowsPath(folder_ + "/record.jsonl"));
    ::RemoveDirectoryW(wide(windowsPath(folder_)));
}

} // namespace fw::test
