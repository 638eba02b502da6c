# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a transcript through vermona-script --windows: the script host's own
# transcript runner, with every click going through real widgets.
set(HOST ${HOST} --windows)
include(${CMAKE_CURRENT_LIST_DIR}/../run_transcript.cmake)
