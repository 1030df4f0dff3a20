#include "platform/Shell.h"
#include "platform/Win32.h"

#include <shellapi.h>

namespace fw::os {

bool openWebAddress(WideStringView address) {
    if (!isWebAddress(address)) {
        return false;
    }
    const WideString text(address);
    HINSTANCE result =
        ::ShellExecuteW(nullptr, L"open", wide(text), nullptr, nullptr, SW_SHOWDEFAULT);
    // Values up to 32 are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace fw::os
