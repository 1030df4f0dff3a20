# The Windows program and its runnable folder: build/<preset>/dist holds
# Framewing.exe beside data.pak, styles/, languages/ and data/sounds/, exactly as
# a user unzips it.
add_executable(Framewing WIN32
    ${CMAKE_SOURCE_DIR}/src/app/Main_win.cpp
    ${CMAKE_SOURCE_DIR}/assets/windows/Framewing.rc)
target_link_libraries(Framewing PRIVATE framewing_core)
target_link_options(Framewing PRIVATE -municode)
set_source_files_properties(${CMAKE_SOURCE_DIR}/assets/windows/Framewing.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/assets/windows/Framewing.manifest;${FW_APP_ICON}")
target_include_directories(Framewing PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_target_properties(Framewing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FW_DIST_DIR})
add_dependencies(Framewing fw_dist)
