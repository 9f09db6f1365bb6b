# SPDX-License-Identifier: GPL-3.0-or-later
# The layers of the tree and what each may include. A folder reaches only
# the folders below it: configuring fails on a file that includes a folder
# above its own, or Qt outside the window's binding. Run at configure time
# by the root CMakeLists.txt and as a test (cmake -DROOT=... -P layers.cmake).

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)  # IN_LIST, as in the build
endif()

# Each layer, then the folders its files may include besides its own.
set(layers
    "tables"
    "logic:tables"
    "ui:tables,logic"
    # The start-up probe is compiled into the window only for the benchmark.
    "app:tables,logic,ui,bench"
    "strings"
    "notation:strings"
    "reactive:strings,notation"
    "searches:strings,notation"
    "labelling:strings,notation,reactive"
    "cli:strings,notation,reactive,searches,labelling"
    # The two pages: the window's model, and the tool.
    "web:tables,logic,strings,notation,reactive,searches,labelling,cli"
    # Build-time writers of pictures, markup and the completion.
    "tools:tables,logic,ui,strings,notation,reactive,searches,labelling,cli")
# Plain C++: built and tested without Qt, and for the pages.
set(free_of_qt tables logic strings notation reactive searches labelling cli)

function(check_layers root)
    set(checked 0)
    foreach(entry IN LISTS layers)
        string(REPLACE ":" ";" parts "${entry}")
        list(GET parts 0 layer)
        set(allowed ${layer})
        list(LENGTH parts count)
        if(count GREATER 1)
            list(GET parts 1 below)
            string(REPLACE "," ";" below "${below}")
            list(APPEND allowed ${below})
        endif()
        file(GLOB_RECURSE sources ${root}/${layer}/*.h ${root}/${layer}/*.cpp)
        foreach(source IN LISTS sources)
            file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^[^\"]*\"([a-z_]+)/.*" "\\1" folder "${line}")
                if(NOT folder IN_LIST allowed)
                    message(FATAL_ERROR "${source} includes ${folder}/, above its layer ${layer}/ "
                                        "(it may include ${allowed})")
                endif()
            endforeach()
            if(layer IN_LIST free_of_qt)
                file(STRINGS ${source} qt REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt)")
                if(qt)
                    message(FATAL_ERROR "${source} includes Qt: ${qt}")
                endif()
            endif()
            math(EXPR checked "${checked} + 1")
        endforeach()
    endforeach()
    if(checked EQUAL 0)
        message(FATAL_ERROR "no source found under ${root}")
    endif()
    message(STATUS "${checked} files within their layers")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    check_layers(${ROOT})
endif()
