#pragma once
// Asynchronous playing of WAV files.
#include "platform/WideString.h"

namespace fw::os {

// Stops any sound this program plays and starts the file without waiting for it.
bool playSoundFile(WideStringView path);

} // namespace fw::os
