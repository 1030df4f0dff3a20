# Builds the data files of the runnable folder from assets/: the SVG sources are
# rendered to PNG (tools/render_assets.py), the rendered trees are packed with
# tools/pack.py and checked against assets/resources.txt, the sounds are
# synthesised, and the translations are copied beside them.
set(FW_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(FW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(FW_STAGE_DIR ${CMAKE_BINARY_DIR}/assets)
set(FW_TOOLS_DIR ${CMAKE_SOURCE_DIR}/tools)
set(FW_DIST_OUTPUTS)

find_program(FW_RSVG_CONVERT rsvg-convert REQUIRED)

# Renders `source_dir` into `stage_dir` and packs the result into `output`.
function(fw_add_pack output source_dir stage_dir)
    file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${source_dir}/*)
    add_custom_command(OUTPUT ${output}
        COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/render_assets.py ${source_dir} ${stage_dir}
        COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/pack.py ${stage_dir} ${output}
        DEPENDS ${inputs} ${FW_TOOLS_DIR}/render_assets.py ${FW_TOOLS_DIR}/pack.py
        COMMENT "Rendering and packing ${output}")
    set(FW_DIST_OUTPUTS ${FW_DIST_OUTPUTS} ${output} PARENT_SCOPE)
endfunction()

# Copies the files of `source_dir` matching `pattern` into `target_dir`.
function(fw_copy_folder source_dir pattern target_dir)
    file(GLOB inputs CONFIGURE_DEPENDS ${source_dir}/${pattern})
    set(outputs)
    foreach(input ${inputs})
        if(IS_DIRECTORY ${input})
            continue()
        endif()
        get_filename_component(name ${input} NAME)
        add_custom_command(OUTPUT ${target_dir}/${name}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${input} ${target_dir}/${name}
            DEPENDS ${input})
        list(APPEND outputs ${target_dir}/${name})
    endforeach()
    set(FW_DIST_OUTPUTS ${FW_DIST_OUTPUTS} ${outputs} PARENT_SCOPE)
endfunction()

set(FW_DATA_PAK ${FW_DIST_DIR}/data.pak)
set(FW_DEFAULT_STYLE ${FW_DIST_DIR}/styles/default.style)
set(FW_STAGE_DATA ${FW_STAGE_DIR}/data)
set(FW_STAGE_STYLE ${FW_STAGE_DIR}/default)
fw_add_pack(${FW_DATA_PAK} ${CMAKE_SOURCE_DIR}/assets/data ${FW_STAGE_DATA})
fw_add_pack(${FW_DEFAULT_STYLE} ${CMAKE_SOURCE_DIR}/assets/styles/default ${FW_STAGE_STYLE})
fw_copy_folder(${CMAKE_SOURCE_DIR}/assets/languages "*.xml" ${FW_DIST_DIR}/languages)
fw_copy_folder(${CMAKE_SOURCE_DIR}/assets/sounds "*.wav" ${FW_DIST_DIR}/data/sounds)

# A resource the program names but the packs lack fails the build here.
set(FW_RESOURCE_CHECK ${FW_STAGE_DIR}/resources.checked)
set(FW_RESOURCE_CHECK_COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/check_resources.py
    ${CMAKE_SOURCE_DIR}/assets/resources.txt data=${FW_STAGE_DATA} style=${FW_STAGE_STYLE})
add_custom_command(OUTPUT ${FW_RESOURCE_CHECK}
    COMMAND ${FW_RESOURCE_CHECK_COMMAND}
    COMMAND ${CMAKE_COMMAND} -E touch ${FW_RESOURCE_CHECK}
    DEPENDS ${FW_DATA_PAK} ${FW_DEFAULT_STYLE} ${CMAKE_SOURCE_DIR}/assets/resources.txt
            ${FW_TOOLS_DIR}/check_resources.py
    COMMENT "Checking the named resources")
list(APPEND FW_DIST_OUTPUTS ${FW_RESOURCE_CHECK})

set(FW_SOUNDS ${FW_DIST_DIR}/data/sounds/shot.wav ${FW_DIST_DIR}/data/sounds/timer.wav)
add_custom_command(OUTPUT ${FW_SOUNDS}
    COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/make_sounds.py ${FW_DIST_DIR}/data/sounds
    DEPENDS ${FW_TOOLS_DIR}/make_sounds.py
    COMMENT "Synthesising the sounds")
list(APPEND FW_DIST_OUTPUTS ${FW_SOUNDS})

set(FW_APP_ICON ${FW_GENERATED_DIR}/Framewing.ico)
add_custom_command(OUTPUT ${FW_APP_ICON}
    COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/make_icon.py ${FW_APP_ICON}
    DEPENDS ${FW_TOOLS_DIR}/make_icon.py)

add_custom_target(fw_dist ALL DEPENDS ${FW_DIST_OUTPUTS} ${FW_APP_ICON})

# `cmake --build <dir> --target contact_sheet` draws every image of both packs
# into contact-sheet.png, to judge the theme by eye.
add_custom_target(contact_sheet
    COMMAND ${Python3_EXECUTABLE} ${FW_TOOLS_DIR}/contact_sheet.py ${CMAKE_BINARY_DIR}/contact-sheet.png
            ${FW_STAGE_STYLE} ${FW_STAGE_DATA}
    DEPENDS ${FW_DATA_PAK} ${FW_DEFAULT_STYLE}
    COMMENT "Drawing ${CMAKE_BINARY_DIR}/contact-sheet.png")

if(FW_BUILD_TESTS)
    # The same check as the build's, reported by ctest, and proof that the
    # check fails on a tree without the resources.
    add_test(NAME assets.resource_list COMMAND ${FW_RESOURCE_CHECK_COMMAND})
    add_test(NAME assets.resource_list_refuses_missing COMMAND ${Python3_EXECUTABLE}
             ${FW_TOOLS_DIR}/check_resources.py ${CMAKE_SOURCE_DIR}/assets/resources.txt
             data=${CMAKE_SOURCE_DIR}/assets/data style=${CMAKE_SOURCE_DIR}/assets/styles/default)
    set_tests_properties(assets.resource_list_refuses_missing PROPERTIES
        PASS_REGULAR_EXPRESSION "missing resource: data images")
endif()
