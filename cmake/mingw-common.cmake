# Shared by the mingw-w64 toolchain files: FW_MINGW_PREFIX names the target
# (x86_64-w64-mingw32 or i686-w64-mingw32). The compilers of the Windows thread
# model link no POSIX threading runtime: that runtime imports GetTickCount64 and
# would keep the program from starting on Windows XP. Their standard library has
# no std::mutex or std::thread; platform/Thread.h has the replacements.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${FW_MINGW_PREFIX}-gcc-win32)
set(FW_MINGW_CXX ${FW_MINGW_PREFIX}-g++-win32)
set(CMAKE_CXX_COMPILER ${FW_MINGW_CXX})
set(CMAKE_RC_COMPILER ${FW_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${FW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
