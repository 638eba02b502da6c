# SPDX-License-Identifier: GPL-3.0-or-later
# Every tracked C++ file is laid out as .clang-format says.
# Usage: cmake -DSOURCE_DIR=... -DCLANG_FORMAT=... -P check_format.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT CLANG_FORMAT)
  message(FATAL_ERROR "clang-format not found (bin/install-deps --test installs it)")
endif()
execute_process(COMMAND git ls-files -- *.cpp *.h WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR files STREQUAL "")
  message(FATAL_ERROR "could not list the tracked C++ files in ${SOURCE_DIR}")
endif()
string(REPLACE "\n" ";" files "${files}")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files} WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "clang-format would change the files above: run clang-format -i on them")
endif()
