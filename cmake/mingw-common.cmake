# Shared by the mingw-w64 toolchain files: FW_MINGW_PREFIX names the target
# (x86_64-w64-mingw32 or i686-w64-mingw32). The posix thread model is the one
# GoogleTest's std::mutex needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${FW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${FW_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${FW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
