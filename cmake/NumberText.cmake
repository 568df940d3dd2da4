# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later
# How platform/number_text.cpp converts doubles to and from text: with the standard library's
# std::from_chars and std::to_chars for floating point where it has them (GCC 11 and later,
# MSVC), or else with fast_float, the algorithm behind GCC's from_chars, and the C library's
# snprintf, by which to_chars is defined (Emscripten 3.1.6's libc++ has neither). Both paths give
# the same results to the bit; the option takes the portable one anywhere, to prove that here.
include(CheckCXXSourceCompiles)

option(VIRENAST_PORTABLE_NUMBER_TEXT
       "Convert numbers with fast_float and snprintf even where the standard library could" OFF)

# virenast_number_text_conversions(target): sets the target's conversion path.
function(virenast_number_text_conversions target)
  if(NOT VIRENAST_PORTABLE_NUMBER_TEXT)
    check_cxx_source_compiles([[
      #include <charconv>
      int main()
      {
          char text[32] = "1.5";
          double value = 0;
          const auto read = std::from_chars(text, text + 3, value);
          const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
          return read.ec == std::errc{} && written.ec == std::errc{} ? 0 : 1;
      }]] VIRENAST_HAS_FLOATING_CHARCONV)
    if(VIRENAST_HAS_FLOATING_CHARCONV)
      return()
    endif()
  endif()

  # fast_float is header-only and the same for every target, so it is taken from the build
  # machine even in a cross-build (Debian's libfast-float-dev; the Emscripten toolchain searches
  # its own folders only, hence the paths). Its folder is copied into the build tree, since
  # adding /usr/include itself would give a cross-compiler the host's C headers.
  find_path(VIRENAST_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h
            PATHS /usr/local/include /usr/include NO_CMAKE_FIND_ROOT_PATH)
  if(NOT VIRENAST_FAST_FLOAT_INCLUDE_DIR)
    message(FATAL_ERROR "The number conversions need fast_float here (Debian: libfast-float-dev, "
                        "which scripts/setup.sh installs)")
  endif()
  set(staged ${CMAKE_BINARY_DIR}/fast_float-include)
  file(COPY ${VIRENAST_FAST_FLOAT_INCLUDE_DIR}/fast_float DESTINATION ${staged})
  target_include_directories(${target} SYSTEM PRIVATE ${staged})
  target_compile_definitions(${target} PRIVATE VIRENAST_PORTABLE_NUMBER_TEXT=1)
  message(STATUS "Numbers converted with fast_float and snprintf")
endfunction()
