# libFuzzer targets (clang only): each tests/fuzz/<name>_fuzz.cpp becomes
# fuzz_<name>, linked against the portable core built with coverage
# instrumentation. scripts/fuzz builds and runs them.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "FW_FUZZ needs clang (use the fuzz preset)")
endif()

target_compile_options(framewing_core PRIVATE -fsanitize=fuzzer-no-link)

file(GLOB FW_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${FW_FUZZ_SOURCES})
    get_filename_component(file_name ${source} NAME_WE)
    string(REGEX REPLACE "_fuzz$" "" name ${file_name})
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE framewing_core)
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
endforeach()
