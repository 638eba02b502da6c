# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy finds nothing in the program's own code, compiled as the build
# compiles it; .clang-tidy says which checks run.
# Usage: cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DRUN_CLANG_TIDY=... -DCLANG_TIDY=... -DJOBS=... -P check_tidy.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT RUN_CLANG_TIDY OR NOT CLANG_TIDY)
  message(FATAL_ERROR "clang-tidy not found (bin/install-deps --test installs it)")
endif()
# The program's folders and their headers; the tests, benchmarks and fuzz
# targets are not checked, nor the sources the build generates.
set(folders "runtime|data|start|activities|town|tournament|platform|app|tools|generators")
string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\1" root "${SOURCE_DIR}")
execute_process(COMMAND ${RUN_CLANG_TIDY} -clang-tidy-binary ${CLANG_TIDY} -p ${BUILD_DIR} -j ${JOBS} -quiet
                        -header-filter "^${root}/(${folders})/[^/]*\\.h$" "^${root}/(${folders})/[^/]*\\.cpp$"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "clang-tidy found the faults above")
endif()
