# Keeps the core's layers apart. All layers share one include root (src/core), so every
# include names the layer it reaches ("base/", "ports/", "draws/", "rules/", "app/"), and the
# compiler alone would let a lower layer reach up. This check does not: a lower layer that
# includes a higher layer's header, or a header by a path that names no layer, stops the
# configure step and fails the test "layer_includes".
#
# Included from src/core/CMakeLists.txt, or run as a script:
#   cmake -DPOWERBALL_SOURCE_DIR=<sources> -P cmake/LayerIncludes.cmake

cmake_policy(SET CMP0057 NEW)

# Each folder of the core with the include prefixes it may use, lowest layer first.
set(_layer_folders base ports draws rules app)
set(_allowed_base base ports)
set(_allowed_ports base ports)
set(_allowed_draws base ports draws)
set(_allowed_rules base ports draws rules)
set(_allowed_app base ports draws rules app)
# The adapters of the ports see the whole core and each other, never a face.
set(_allowed_platform base ports draws rules app platform)

function(powerball_check_layer_includes source_dir)
    set(violations "")
    foreach(folder IN LISTS _layer_folders ITEMS platform)
        if(folder STREQUAL "platform")
            set(dir "${source_dir}/src/platform")
        else()
            set(dir "${source_dir}/src/core/${folder}")
        endif()
        file(GLOB_RECURSE files "${dir}/*.h" "${dir}/*.cpp")
        foreach(file IN LISTS files)
            file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" path
                       "${line}")
                string(REGEX MATCH "^[^/]+" prefix "${path}")
                if(NOT prefix IN_LIST _allowed_${folder} OR path STREQUAL prefix)
                    file(RELATIVE_PATH shown "${source_dir}" "${file}")
                    string(APPEND violations "\n  ${shown}: \"${path}\"")
                endif()
            endforeach()
        endforeach()
    endforeach()
    if(violations)
        message(FATAL_ERROR "A core layer includes a header of a higher layer, or a header by "
                            "a path that names no layer:${violations}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    powerball_check_layer_includes("${POWERBALL_SOURCE_DIR}")
endif()
