#pragma once
// User-visible texts of the output module. Until the translation lookup is
// part of the build, outputText returns the English text unchanged; it is the
// single place to route through translate(text, group).
#include "platform/WideString.h"

namespace fw {

WideString outputText(WideStringView text, WideStringView group);

} // namespace fw
