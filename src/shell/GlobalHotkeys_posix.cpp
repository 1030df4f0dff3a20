#include "shell/GlobalHotkeys.h"

namespace fw {

// The native build has no windows to receive hotkeys.
std::unique_ptr<HotkeyBackend> makeWindowHotkeyBackend(void* /*window*/) {
    return nullptr;
}

} // namespace fw
