# Cross-compiles the Windows program for x86_64 with mingw-w64 (posix threads,
# Tests run under Wine 64-bit through the emulator below.
# which GoogleTest's std::mutex needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FW_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FW_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${FW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
