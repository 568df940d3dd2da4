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

# virenast_add_checked_test(NAME test CHECK "what it checks" PACKAGES "what to install"
#                           [PROGRAMS program...] [PYTHON_MODULES module...] [FILES file...]
#                           COMMAND command... [PROPERTIES property value...])
# Adds a test that needs more than the build does: programs found on PATH, modules of Debian's
# own Python, files such as those `npm ci` brings. In COMMAND, `@program@` stands for the path
# at which a listed program was found. When something is missing the test is still added, but
# disabled: ctest names it among the tests that did not run, the configure summary says what is
# missing and which packages bring it, and VIRENAST_REQUIRE_ALL_CHECKS makes it an error.
function(virenast_add_checked_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;CHECK;PACKAGES" "PROGRAMS;PYTHON_MODULES;FILES;COMMAND;PROPERTIES")
  virenast_find_programs(missing ${arg_PROGRAMS})
  foreach(module IN LISTS arg_PYTHON_MODULES)
    # Debian's own Python, which holds Debian's modules (another python3 may come first on PATH).
    execute_process(COMMAND /usr/bin/python3 -c "import ${module}" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(NOT failed EQUAL 0)
      list(APPEND missing "/usr/bin/python3 with ${module}")
    endif()
  endforeach()
  foreach(file IN LISTS arg_FILES)
    if(NOT EXISTS "${file}")
      list(APPEND missing "${file}")
    endif()
  endforeach()
  list(JOIN missing ", " missing)

  set(command "")
  foreach(program IN LISTS arg_PROGRAMS)
    string(TOUPPER "VIRENAST_PROGRAM_${program}" variable)
    string(REGEX REPLACE "[^A-Z0-9_]" "_" variable "${variable}")
    set(${program} "${${variable}}")
  endforeach()
  foreach(word IN LISTS arg_COMMAND)
    string(CONFIGURE "${word}" word @ONLY)
    list(APPEND command "${word}")
  endforeach()
  add_test(NAME ${arg_NAME} COMMAND ${command})
  if(arg_PROPERTIES)
    set_tests_properties(${arg_NAME} PROPERTIES ${arg_PROPERTIES})
  endif()
  if(missing)
    set_tests_properties(${arg_NAME} PROPERTIES DISABLED TRUE)
    virenast_check_off("${arg_CHECK} (${arg_NAME})" "${missing} not found (${arg_PACKAGES})")
  endif()
endfunction()

function(virenast_check_summary)
  get_property(missing GLOBAL PROPERTY VIRENAST_CHECKS_MISSING)
  get_property(declined GLOBAL PROPERTY VIRENAST_CHECKS_DECLINED)
  foreach(line IN LISTS declined)
    message(STATUS "Check off by choice: ${line}")
  endforeach()
  foreach(line IN LISTS missing)
    message(STATUS "Check off (ctest lists it as not run): ${line}")
  endforeach()
  if(NOT missing AND NOT declined)
    message(STATUS "Every check is on")
  endif()
  if(missing AND VIRENAST_REQUIRE_ALL_CHECKS)
    list(JOIN missing "\n  " lines)
    message(FATAL_ERROR "These checks cannot run (scripts/setup.sh --tests installs what they need):\n  ${lines}")
  endif()
endfunction()
