# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks that need more than a compiler, CMake, Qt and GoogleTest (validators, a virtual
# screen, a window manager, a screen reader's bus...) run where what they need is found; the
# configure summary names each check that is off, and why. The full test command sets
# VIRENAST_REQUIRE_ALL_CHECKS, which turns any check that is off for want of a program into an
# error, so that nothing is skipped there without a word.
option(VIRENAST_REQUIRE_ALL_CHECKS "Stop the configuration when a check cannot run for want of a program" OFF)

# Records that a check is off: `why` says what is missing.
function(virenast_check_off check why)
  set_property(GLOBAL APPEND PROPERTY VIRENAST_CHECKS_MISSING "${check}: ${why}")
endfunction()

# Records that a check is off because the build was asked so.
function(virenast_check_declined check why)
  set_property(GLOBAL APPEND PROPERTY VIRENAST_CHECKS_DECLINED "${check}: ${why}")
endfunction()

# Whether every named program is on PATH, as a shell would find it; names the missing ones in
# `missing_var`.
function(virenast_find_programs missing_var)
  set(missing "")
  foreach(program IN LISTS ARGN)
    string(TOUPPER "VIRENAST_PROGRAM_${program}" variable)
    string(REGEX REPLACE "[^A-Z0-9_]" "_" variable "${variable}")
    find_program(${variable} ${program} NO_CMAKE_SYSTEM_PATH NO_CMAKE_INSTALL_PREFIX)
    if(NOT ${variable})
      list(APPEND missing ${program})
    endif()
  endforeach()
  list(JOIN missing ", " missing)
  set(${missing_var} "${missing}" PARENT_SCOPE)
endfunction()

function(virenast_check_summary)
  get_property(missing GLOBAL PROPERTY VIRENAST_CHECKS_MISSING)
  get_property(declined GLOBAL PROPERTY VIRENAST_CHECKS_DECLINED)
  foreach(line IN LISTS declined)
    message(STATUS "Check off by choice: ${line}")
  endforeach()
  foreach(line IN LISTS missing)
    message(STATUS "Check off: ${line}")
  endforeach()
  if(NOT missing AND NOT declined)
    message(STATUS "Every check is on")
  endif()
  if(missing AND VIRENAST_REQUIRE_ALL_CHECKS)
    list(JOIN missing "\n  " lines)
    message(FATAL_ERROR "These checks cannot run (scripts/setup.sh installs what they need):\n  ${lines}")
  endif()
endfunction()
