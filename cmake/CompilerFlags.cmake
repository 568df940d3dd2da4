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
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
    # 32-bit x86 would compute in the x87 unit's extended precision: use SSE2 doubles.
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  if(VIRENAST_WERROR)
    add_compile_options(-Werror)
  endif()
endif()
