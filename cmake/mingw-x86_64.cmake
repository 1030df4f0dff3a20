# Cross-compiles the Windows program for x86_64; its tests run under Wine 64-bit.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FW_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
