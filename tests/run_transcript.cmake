# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one script through the script host in a fresh working directory and
# compares its output with the expected transcript. A script may hold several
# runs separated by lines "--- run", all in the same directory, so that a
# saved game can be loaded by a later run. The exit status of each run is
# appended to the output as "exit N".
# Files the game finds in its working directory come from NAME.files/ beside
# the script, when there is one; the host's own options (such as --lang en)
# from NAME.args.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
get_filename_component(script_name ${SCRIPT} NAME_WE)
if(IS_DIRECTORY ${script_dir}/${script_name}.files)
  file(COPY ${script_dir}/${script_name}.files/ DESTINATION ${WORKDIR})
endif()
set(host_options "")
if(EXISTS ${script_dir}/${script_name}.args)
  file(STRINGS ${script_dir}/${script_name}.args host_options)
  separate_arguments(host_options UNIX_COMMAND "${host_options}")
endif()
file(READ ${SCRIPT} text)
# Semicolons would split the list of runs; keep them aside meanwhile.
string(REPLACE ";" "@SEMICOLON@" text "${text}")
string(REPLACE "\n--- run\n" ";" runs "${text}")
set(actual "")
set(n 0)
foreach(run IN LISTS runs)
  math(EXPR n "${n} + 1")
  string(REPLACE "@SEMICOLON@" ";" run "${run}")
  file(WRITE ${WORKDIR}/run${n}.script "${run}\n")
  execute_process(COMMAND ${HOST} ${host_options} ${WORKDIR}/run${n}.script
                  WORKING_DIRECTORY ${WORKDIR}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(APPEND actual "${out}${err}exit ${rc}\n")
endforeach()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORKDIR}/actual.txt "${actual}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED}\n--- actual (${WORKDIR}/actual.txt):\n${actual}")
endif()
