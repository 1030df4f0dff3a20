#pragma once
// Handing addresses to the shell: the user's browser or mail program opens them.
#include "platform/WideString.h"

namespace fw::os {

// True for a web or mail address ("http:", "https:", "ftp:", "mailto:", in any
// case). Anything else could name a program or document that the shell would
// start, so links never pass it on.
bool isWebAddress(WideStringView address);

// Opens a web or mail address with the program the user chose for it; false
// when the address is refused or the shell fails.
bool openWebAddress(WideStringView address);

} // namespace fw::os
