#include "platform/Sound.h"
#include "platform/Win32.h"

#include <mmsystem.h>

namespace fw::os {

bool playSoundFile(WideStringView path) {
    WideString file(path);
    ::PlaySoundW(nullptr, nullptr, 0);
    return ::PlaySoundW(wide(file), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

} // namespace fw::os
