# fw_screens renders every window of the program to PNG (scripts/screens). It
# carries the program's resources, manifest included, so that it is aware of
# the resolution exactly as the program is.
file(GLOB FW_SCREENS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/screens/*.cpp)
add_executable(fw_screens ${FW_SCREENS_SOURCES} ${CMAKE_SOURCE_DIR}/assets/windows/Framewing.rc)
target_link_libraries(fw_screens PRIVATE framewing_core)
target_link_options(fw_screens PRIVATE -municode)
target_include_directories(fw_screens PRIVATE ${CMAKE_BINARY_DIR}/generated)
add_dependencies(fw_screens fw_dist Framewing)
