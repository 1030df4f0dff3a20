#pragma once
#include <cstdint>

namespace fw {

// The kinds of capture; the numbers are stored in the history file.
enum class CaptureMode : int32_t {
    Unknown = 0,
    FullScreen = 1,
    Window = 2,
    Region = 3,
    Timer = 4,
};

} // namespace fw
