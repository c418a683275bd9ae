# SPDX-License-Identifier: GPL-3.0-or-later
# Install destinations relative to the prefix, whatever form the packager gave them in,
# so that cpack (which installs under its own prefix) and a moved install keep their layout.

# drawsmith_relative_install_dir(<out> <dir> <prefix>): <dir> relative to <prefix>; an
# absolute <dir> outside <prefix> gives an empty <out>.
function(drawsmith_relative_install_dir out dir prefix)
    if(NOT IS_ABSOLUTE "${dir}")
        cmake_path(NORMAL_PATH dir OUTPUT_VARIABLE rel)
    else()
        cmake_path(IS_PREFIX prefix "${dir}" NORMALIZE under)
        if(under)
            file(RELATIVE_PATH rel "${prefix}" "${dir}")
        else()
            set(rel "")
        endif()
    endif()
    string(REGEX REPLACE "/+$" "" rel "${rel}")
    set(${out} "${rel}" PARENT_SCOPE)
endfunction()

# drawsmith_install_dir(<out> <dir>): as above against CMAKE_INSTALL_PREFIX; stops the
# configuration when <dir> lies outside the prefix.
function(drawsmith_install_dir out dir)
    drawsmith_relative_install_dir(rel "${dir}" "${CMAKE_INSTALL_PREFIX}")
    if(rel STREQUAL "")
        message(FATAL_ERROR "${dir} is not inside CMAKE_INSTALL_PREFIX (${CMAKE_INSTALL_PREFIX}): "
                            "give the install directories relative to the prefix.")
    endif()
    set(${out} "${rel}" PARENT_SCOPE)
endfunction()
