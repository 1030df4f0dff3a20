#pragma once
// User-visible texts of the shell module. Until the translation lookup is part
// of the build, shellText returns the English text unchanged; it is the single
// place to route through translate(text, group).
#include "platform/WideString.h"

namespace fw {

WideString shellText(WideStringView text, WideStringView group);

} // namespace fw
