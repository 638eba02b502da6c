# SPDX-License-Identifier: GPL-3.0-or-later
# Every source and build file says its licence in its first lines.
# Usage: cmake -DSOURCE_DIR=... -P check_licence_lines.cmake
file(GLOB_RECURSE candidates LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h ${SOURCE_DIR}/CMakeLists.txt ${SOURCE_DIR}/*.cmake ${SOURCE_DIR}/*.sh
     ${SOURCE_DIR}/bin/* ${SOURCE_DIR}/.ci/run ${SOURCE_DIR}/*.desktop ${SOURCE_DIR}/*.qrc)
set(missing "")
foreach(file ${candidates})
  # Build trees and their generated files are not sources.
  if(file MATCHES "^(build[^/]*|out|play)/" OR file MATCHES "/CMakeFiles/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} head LIMIT_COUNT 3)
  if(NOT head MATCHES "SPDX-License-Identifier: GPL-3.0-or-later")
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " listed)
  message(FATAL_ERROR "no SPDX-License-Identifier line at the top of:\n  ${listed}")
endif()
