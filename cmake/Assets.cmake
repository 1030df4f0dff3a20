# Builds the data files of the runnable folder from assets/: the packs with
# tools/pack.py, the translations and sounds copied beside them.
set(FW_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(FW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(FW_PACK_TOOL ${CMAKE_SOURCE_DIR}/tools/pack.py)
set(FW_DIST_OUTPUTS)

function(fw_add_pack output source_dir)
    file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${source_dir}/*)
    add_custom_command(OUTPUT ${output}
        COMMAND ${Python3_EXECUTABLE} ${FW_PACK_TOOL} ${source_dir} ${output}
        DEPENDS ${inputs} ${FW_PACK_TOOL}
        COMMENT "Packing ${output}")
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

fw_add_pack(${FW_DIST_DIR}/data.pak ${CMAKE_SOURCE_DIR}/assets/data)
fw_add_pack(${FW_DIST_DIR}/styles/default.style ${CMAKE_SOURCE_DIR}/assets/styles/default)
fw_copy_folder(${CMAKE_SOURCE_DIR}/assets/languages "*.xml" ${FW_DIST_DIR}/languages)
fw_copy_folder(${CMAKE_SOURCE_DIR}/assets/sounds "*.wav" ${FW_DIST_DIR}/data/sounds)

set(FW_APP_ICON ${FW_GENERATED_DIR}/Framewing.ico)
add_custom_command(OUTPUT ${FW_APP_ICON}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${FW_APP_ICON}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py)

add_custom_target(fw_dist ALL DEPENDS ${FW_DIST_OUTPUTS} ${FW_APP_ICON})
