# One test executable per module folder under tests/ (tests/xml -> tests_xml).
# Natively every test case is its own CTest test; under Wine each executable is
# one CTest test, because every Wine process start costs a few tenths of a second.
if(CMAKE_CROSSCOMPILING)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own sources do not build cleanly with -Werror under mingw.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
    # Its one class that needs std::mutex comes from here instead (see the header).
    set(FW_GTEST_CUSTOM ${CMAKE_SOURCE_DIR}/tests/support/gtest-custom)
    target_include_directories(gtest BEFORE PUBLIC ${FW_GTEST_CUSTOM})
    target_include_directories(gtest_main BEFORE PRIVATE ${FW_GTEST_CUSTOM})
    target_sources(gtest PRIVATE ${FW_GTEST_CUSTOM}/Notification_win.cpp)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Wine sees the Linux file system as drive Z:.
function(fw_windows_path out linux_path)
    string(REPLACE "/" "\\" converted "${linux_path}")
    set(${out} "Z:${converted}" PARENT_SCOPE)
endfunction()

file(GLOB FW_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir ${FW_TEST_DIRS})
    if(NOT IS_DIRECTORY ${dir})
        continue()
    endif()
    get_filename_component(module ${dir} NAME)
    if(module STREQUAL "e2e" OR module STREQUAL "support" OR module STREQUAL "fuzz")
        continue()
    endif()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "${FW_PLATFORM_EXCLUDE}")
    if(NOT sources)
        continue()
    endif()
    set(target tests_${module})
    if(module STREQUAL "windows")
        list(APPEND sources ${CMAKE_SOURCE_DIR}/tests/support/WidgetGallery.cpp)
    endif()
    add_executable(${target} ${sources})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE framewing_core GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
        FW_SOURCE_DIR="${CMAKE_SOURCE_DIR}" FW_BINARY_DIR="${CMAKE_BINARY_DIR}")
    # zlib decodes our deflate and PNG streams in the native tests; the program
    # itself never links it.
    if(module STREQUAL "output" AND NOT CMAKE_CROSSCOMPILING)
        find_package(ZLIB REQUIRED)
        target_link_libraries(${target} PRIVATE ZLIB::ZLIB)
    endif()
    if(CMAKE_CROSSCOMPILING)
        if(CMAKE_CROSSCOMPILING_EMULATOR)
            add_test(NAME ${module} COMMAND ${target})
            set_tests_properties(${module} PROPERTIES TIMEOUT 600)
        endif()
    else()
        gtest_discover_tests(${target} TEST_PREFIX "${module}." DISCOVERY_TIMEOUT 60)
    endif()
endforeach()

# History times across daylight-saving changes, once in a zone of each
# hemisphere, so that one of them is in summer time whatever today's date. Wine
# takes the zone from TZ when a process starts.
if(CMAKE_CROSSCOMPILING_EMULATOR AND TARGET tests_output)
    foreach(zone Europe/Berlin Australia/Sydney)
        string(REPLACE "/" "-" name "daylight-saving-${zone}")
        add_test(NAME ${name} COMMAND tests_output --gtest_filter=DaylightSaving*)
        set_tests_properties(${name} PROPERTIES TIMEOUT 120 ENVIRONMENT "TZ=${zone}")
    endforeach()
endif()

# End-to-end tests drive the real program under Wine.
if(WIN32)
    file(GLOB FW_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
    if(FW_E2E_SOURCES)
        add_executable(tests_e2e ${FW_E2E_SOURCES})
        target_include_directories(tests_e2e PRIVATE ${CMAKE_SOURCE_DIR}/tests)
        target_link_libraries(tests_e2e PRIVATE framewing_core GTest::gtest_main)
        add_dependencies(tests_e2e Framewing fw_dist)
        if(CMAKE_CROSSCOMPILING_EMULATOR)
            fw_windows_path(dist_dir "${FW_DIST_DIR}")
            add_test(NAME e2e COMMAND tests_e2e)
            set_tests_properties(e2e PROPERTIES TIMEOUT 900
                ENVIRONMENT "FW_DIST_DIR=${dist_dir}")
        endif()
    endif()
endif()
