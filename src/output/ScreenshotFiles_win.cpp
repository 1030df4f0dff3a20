#include "output/ScreenshotFiles.h"
#include "platform/Files.h"
#include "platform/Win32.h"

#include <shellapi.h>

namespace fw {

namespace {

bool shellOpen(const WideString& file, const WideString& parameters) {
    HINSTANCE result =
        ::ShellExecuteW(nullptr, nullptr, wide(file),
                        parameters.empty() ? nullptr : wide(parameters), nullptr, SW_SHOWDEFAULT);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// Old editors take only 8.3 paths; where the system has no short form (or the
// path is too long for it) the full path, quoted, still names the file.
WideString shortPathOf(const WideString& path) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = ::GetShortPathNameW(wide(path), buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return path;
    }
    return fromWide(buffer, length);
}

} // namespace

bool openFile(WideStringView path) {
    WideString file(path);
    return os::fileExists(file) && shellOpen(file, WideString());
}

bool openWithEditor(WideStringView editorPath, WideStringView screenshotPath) {
    WideString editor(editorPath);
    if (!os::fileExists(editor)) {
        return false;
    }
    WideString parameter = shortPathOf(WideString(screenshotPath));
    parameter.insert(parameter.begin(), u'"');
    parameter.push_back(u'"');
    return shellOpen(editor, parameter);
}

} // namespace fw
