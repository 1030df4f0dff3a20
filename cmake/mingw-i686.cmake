# Cross-compiles the 32-bit release build. No emulator: a 32-bit exe under
# wine64 exits 0 without running, which would pass every test falsely.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(FW_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
