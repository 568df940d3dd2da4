# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler flags, by compiler, set on each target rather than for the whole directory tree.
# Every result must be bit for bit that of the written operation order, so floating point is
# kept strict on every target that compiles anything, GoogleTest's too when it is built here:
# no fused multiply-add, no fast-math, no tuning for the build machine. The warnings are for
# the project's own targets; they stop the build only with VIRENAST_WERROR, which the test
# command and CI set, so that a newer compiler's new warning cannot stop a user's build.
include(CheckCXXCompilerFlag)

option(VIRENAST_WERROR "Treat compiler warnings as errors (the test command and CI)" OFF)

if(MSVC)
  # /fp:precise keeps the source order and rounding; /fp:contract- (newer compilers) also
  # forbids contracting a*b+c into one fused operation. /utf-8 reads the French literals right.
  set(VIRENAST_STRICT_FLOATING_POINT /fp:precise)
  check_cxx_compiler_flag(/fp:contract- VIRENAST_HAS_FP_CONTRACT_OFF)
  if(VIRENAST_HAS_FP_CONTRACT_OFF)
    list(APPEND VIRENAST_STRICT_FLOATING_POINT /fp:contract-)
  endif()
  set(VIRENAST_LANGUAGE_FLAGS /utf-8 /permissive- /Zc:__cplusplus)
  set(VIRENAST_WARNING_FLAGS /W4 $<$<BOOL:${VIRENAST_WERROR}>:/WX>)
else()
  set(VIRENAST_STRICT_FLOATING_POINT -ffp-contract=off -fno-fast-math)
  # (Emscripten calls its WebAssembly target "x86", but has neither x87 nor SSE flags.)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$" AND NOT EMSCRIPTEN)
    # 32-bit x86 would compute in the x87 unit's extended precision: use SSE2 doubles.
    list(APPEND VIRENAST_STRICT_FLOATING_POINT -msse2 -mfpmath=sse)
  endif()
  set(VIRENAST_LANGUAGE_FLAGS "")
  set(VIRENAST_WARNING_FLAGS -Wall -Wextra -Wpedantic $<$<BOOL:${VIRENAST_WERROR}>:-Werror>)
endif()

if(EMSCRIPTEN)
  # The code throws and catches platform::Error: Emscripten's own exceptions (JavaScript based),
  # for compiling and linking alike, or WebAssembly's. These run the core tests three times
  # faster, but the Asyncify pass of Emscripten 3.1.6's Binaryen (108) aborts on them, and a
  # page that yields inside a run needs Asyncify. Memory grows as a run needs. Every object of
  # a module, GoogleTest's included, must be compiled for the same exceptions, so these stay
  # for the whole tree.
  option(VIRENAST_WASM_EXCEPTIONS "WebAssembly exceptions rather than Emscripten's JavaScript ones" OFF)
  if(VIRENAST_WASM_EXCEPTIONS)
    set(exceptions -fwasm-exceptions)
  else()
    set(exceptions -fexceptions)
  endif()
  add_compile_options(${exceptions})
  add_link_options(${exceptions} -sALLOW_MEMORY_GROWTH=1)
endif()

# The targets that compile something, defined in `directory` and below.
function(virenast_compiled_targets directory result)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  set(compiled "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      list(APPEND compiled ${target})
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    virenast_compiled_targets(${subdirectory} more)
    list(APPEND compiled ${more})
  endforeach()
  set(${result} ${compiled} PARENT_SCOPE)
endfunction()

# Gives every target of the build its flags: called once, after all of them are defined, so
# that no target can be left without strict floating point. GoogleTest, when built here from
# its sources, takes the floating-point flags but not the project's warnings.
function(virenast_set_compiler_flags)
  virenast_compiled_targets(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    target_compile_options(${target} PRIVATE ${VIRENAST_STRICT_FLOATING_POINT} ${VIRENAST_LANGUAGE_FLAGS})
    get_target_property(source_dir ${target} SOURCE_DIR)
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${source_dir}" NORMALIZE ours)
    if(ours)
      target_compile_options(${target} PRIVATE ${VIRENAST_WARNING_FLAGS})
    endif()
  endforeach()
endfunction()
