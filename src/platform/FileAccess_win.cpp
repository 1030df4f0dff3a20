#include "platform/FileAccess.h"
#include "platform/Files.h"
#include "platform/Handles_win.h"
#include "platform/Win32.h"

#include <shellapi.h>

namespace fw::os {

bool moveToRecycleBin(WideStringView path) {
    if (!fileExists(path)) {
        return false;
    }
    // The source is a list of names ended by an empty one: two zeros at the end.
    WideString list(path);
    list.push_back(u'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = wide(list);
    operation.fFlags = FOF_SILENT | FOF_RENAMEONCOLLISION | FOF_NOCONFIRMATION | FOF_ALLOWUNDO |
                       FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    return ::SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

bool canOpenExclusively(WideStringView path) {
    FileHandle file(::CreateFileW(wide(WideString(path)), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
}

} // namespace fw::os
