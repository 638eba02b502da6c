# SPDX-License-Identifier: GPL-3.0-or-later
# Draws an asset again with its generator and compares it with the committed
# file, so that a change to either one cannot go unnoticed.
execute_process(COMMAND ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what ${GENERATOR} draws; draw it again (see the README)")
endif()
