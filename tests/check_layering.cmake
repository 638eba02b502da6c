# SPDX-License-Identifier: GPL-3.0-or-later
# Every folder includes headers only from the folders it may use, and the
# folders that must not know Qt include none of its headers.
# Usage: cmake -DSOURCE_DIR=... -P check_layering.cmake
cmake_minimum_required(VERSION 3.25)

# The layers of the README's "Folders" table: each folder, then the folders
# besides itself whose headers it may include. The screen folders never
# include each other's; the front end uses only the runtime.
set(layers
    "runtime:"
    "data: runtime"
    "start: runtime data"
    "activities: runtime data"
    "town: runtime data"
    "tournament: runtime data"
    "platform: runtime"
    "app: runtime data start activities town tournament platform"
    "tools: runtime data start activities town tournament platform app"
    "generators: runtime data start activities town tournament platform app tools"
    "tests: runtime data start activities town tournament platform app tools generators"
    "bench: runtime data start activities town tournament platform app tools generators tests"
    "fuzz: runtime data start activities town tournament platform app tools generators tests")
# Folders that know no Qt.
set(without_qt runtime data start activities town tournament)

set(known "")
foreach(layer ${layers})
  string(REGEX MATCH "^[a-z]+" folder "${layer}")
  list(APPEND known ${folder})
endforeach()

set(faults "")
foreach(layer ${layers})
  string(REGEX MATCH "^([a-z]+):(.*)$" unused "${layer}")
  set(folder ${CMAKE_MATCH_1})
  separate_arguments(allowed UNIX_COMMAND "${CMAKE_MATCH_2}")
  list(APPEND allowed ${folder})
  file(GLOB_RECURSE sources LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR}
       ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
  foreach(source ${sources})
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "include[ \t]*\"\\.\\./")
        list(APPEND faults "${source}: ${line} (name the folder, not a relative path)")
      elseif(line MATCHES "include[ \t]*\"([a-z_]+)/")
        set(used ${CMAKE_MATCH_1})
        if(used IN_LIST known AND NOT used IN_LIST allowed)
          list(APPEND faults "${source}: ${line} (${folder}/ may not use ${used}/)")
        endif()
      elseif(line MATCHES "include[ \t]*<(Q|q[a-z0-9_]*\\.h>)" AND folder IN_LIST without_qt)
        list(APPEND faults "${source}: ${line} (${folder}/ knows no Qt)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " listed)
  message(FATAL_ERROR "includes across the layers of the README's \"Folders\" table:\n  ${listed}")
endif()
