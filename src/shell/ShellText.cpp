#include "shell/ShellText.h"

namespace fw {

WideString shellText(WideStringView text, WideStringView /*group*/) {
    return WideString(text);
}

} // namespace fw
