# fw_screens renders every window of the program to PNG (scripts/screens).
file(GLOB FW_SCREENS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/screens/*.cpp)
add_executable(fw_screens ${FW_SCREENS_SOURCES})
target_link_libraries(fw_screens PRIVATE framewing_core)
target_link_options(fw_screens PRIVATE -municode)
add_dependencies(fw_screens fw_dist)
