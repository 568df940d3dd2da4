# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiler flags, by compiler. Every result must be bit for bit that of the written operation
# order, so floating point is kept strict everywhere: no fused multiply-add, no fast-math, no
# tuning for the build machine.
include(CheckCXXCompilerFlag)

option(VIRENAST_WERROR "Treat compiler warnings as errors" OFF)

if(MSVC)
  # /fp:precise keeps the source order and rounding; /fp:contract- (newer compilers) also
  # forbids contracting a*b+c into one fused operation. /utf-8 reads the French literals right.
  add_compile_options(/fp:precise /W4 /utf-8 /permissive- /Zc:__cplusplus)
  check_cxx_compiler_flag(/fp:contract- VIRENAST_HAS_FP_CONTRACT_OFF)
  if(VIRENAST_HAS_FP_CONTRACT_OFF)
    add_compile_options(/fp:contract-)
  endif()
  if(VIRENAST_WERROR)
    add_compile_options(/WX)
  endif()
else()
  add_compile_options(-ffp-contract=off -fno-fast-math -Wall -Wextra -Wpedantic)
  # (Emscripten calls its WebAssembly target "x86", but has neither x87 nor SSE flags.)
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$" AND NOT EMSCRIPTEN)
    # 32-bit x86 would compute in the x87 unit's extended precision: use SSE2 doubles.
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  if(VIRENAST_WERROR)
    add_compile_options(-Werror)
  endif()
endif()

if(EMSCRIPTEN)
  # The code throws and catches platform::Error: Emscripten's own exceptions (JavaScript based),
  # for compiling and linking alike, or WebAssembly's. These run the core tests three times
  # faster, but the Asyncify pass of Emscripten 3.1.6's Binaryen (108) aborts on them, and a
  # page that yields inside a run needs Asyncify. Memory grows as a run needs.
  option(VIRENAST_WASM_EXCEPTIONS "WebAssembly exceptions rather than Emscripten's JavaScript ones" OFF)
  if(VIRENAST_WASM_EXCEPTIONS)
    set(exceptions -fwasm-exceptions)
  else()
    set(exceptions -fexceptions)
  endif()
  add_compile_options(${exceptions})
  add_link_options(${exceptions} -sALLOW_MEMORY_GROWTH=1)
endif()
