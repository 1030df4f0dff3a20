#include "platform/KnownFolders.h"

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fw::os {

// Stand-ins for the shell folders, under $HOME; paths keep the program's "\".
bool specialFolderPath(SpecialFolder folder, WideString& path) {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        return false;
    }
    WideString base = replaceAll(fromUtf8(home), u"/", u"\\");
    switch (folder) {
    case SpecialFolder::AppData:
        path = base + u"\\.config";
        return true;
    case SpecialFolder::Desktop:
        path = base + u"\\Desktop";
        return true;
    case SpecialFolder::System:
        path = u"\\usr\\bin";
        return true;
    }
    return false;
}

WideString executablePath() {
    char buffer[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
    if (length <= 0) {
        return WideString();
    }
    return replaceAll(fromUtf8(std::string_view(buffer, static_cast<size_t>(length))), u"/", u"\\");
}

WideString commandLine() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::stringstream all;
    all << file.rdbuf();
    std::string text = all.str();
    for (char& c : text) {
        if (c == '\0') {
            c = ' ';
        }
    }
    return trim(fromUtf8(text));
}

} // namespace fw::os
