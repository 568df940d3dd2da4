# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a software centre's composer over an installed tree, as a distribution does, and fails
# on any error or warning it reports:
#   cmake -DAPPSTREAMCLI=... -DPREFIX=... -DRESULT=... -P check_compose.cmake
file(REMOVE_RECURSE "${RESULT}")
execute_process(
  COMMAND "${APPSTREAMCLI}" compose --no-net --prefix=/ --origin=virenast
          --result-root=${RESULT} --print-report=full ${PREFIX}
  RESULT_VARIABLE composed OUTPUT_VARIABLE report ERROR_VARIABLE report)
string(ASCII 27 escape)
string(REGEX REPLACE "${escape}\\[[0-9;]*m" "" report "${report}")  # colours, which it prints anyway
message("${report}")
if(NOT composed EQUAL 0 OR report MATCHES "(^|\n) *[EW]: ")
  message(FATAL_ERROR "appstreamcli compose reported a problem")
endif()
file(GLOB_RECURSE catalogue "${RESULT}/*.xml.gz")
if(NOT catalogue)
  message(FATAL_ERROR "appstreamcli compose wrote no catalogue")
endif()
message(STATUS "composed into ${RESULT}")
