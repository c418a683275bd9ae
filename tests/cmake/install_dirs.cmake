# SPDX-License-Identifier: GPL-3.0-or-later
# Install directories as packagers pass them come out relative to the prefix.
# usage: cmake -DMODULE=<cmake/DrawsmithInstallDirs.cmake> -P install_dirs.cmake
cmake_minimum_required(VERSION 3.25)
include(${MODULE})

# dir | prefix | expected ("" when the dir lies outside the prefix)
set(rows
    "lib/x86_64-linux-gnu|/usr|lib/x86_64-linux-gnu"
    "/usr/lib/x86_64-linux-gnu|/usr|lib/x86_64-linux-gnu"
    "/usr/lib/|/usr/|lib"
    "./lib//|/usr|lib"
    "/opt/drawsmith/share|/opt/drawsmith|share"
    "/usr/lib64|/usr/local|"
    "/usrx/lib|/usr|"
    "/usr/../opt/lib|/usr|")
set(failed 0)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 dir)
    list(GET fields 1 prefix)
    list(GET fields 2 expected)
    drawsmith_relative_install_dir(got "${dir}" "${prefix}")
    if(NOT got STREQUAL expected)
        message("FAIL: ${dir} under ${prefix} gave '${got}', not '${expected}'")
        set(failed 1)
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "install directories not made relative to the prefix")
endif()
