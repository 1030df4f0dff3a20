#include "shell/OptionsDialogs.h"

namespace fw {

// Without a shell there is nothing to pick from.
bool chooseFolder(void*, WideStringView, WideStringView, WideString&) {
    return false;
}

bool chooseProgram(void*, WideStringView, WideStringView, WideString&) {
    return false;
}

} // namespace fw
