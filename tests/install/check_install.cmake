# SPDX-FileCopyrightText: The Virenast developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a fresh temporary prefix and checks that every file the platform's
# install rules promise is there:
#   cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAM=virenast[.exe] -DDESKTOP=0|1 -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(files bin/${PROGRAM})
set(sizes 16 32 64 128 256)
if(DESKTOP)
  list(APPEND files
    share/applications/org.virenast.Virenast.desktop
    share/mime/packages/org.virenast.Virenast.xml
    share/metainfo/org.virenast.Virenast.metainfo.xml
    share/icons/hicolor/scalable/apps/org.virenast.Virenast.svg
    share/man/man1/virenast.1
    share/man/fr/man1/virenast.1)
  foreach(size ${sizes})
    list(APPEND files share/icons/hicolor/${size}x${size}/apps/org.virenast.Virenast.png)
  endforeach()
endif()
foreach(file ${files})
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(NOT DESKTOP)
  message(STATUS "installed into ${PREFIX}")
  return()
endif()

# The icons are real PNG images of the size of their folder: the width and height stand in the
# header.
foreach(size ${sizes})
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/org.virenast.Virenast.png" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" hex_size "${hex_size}")
  string(LENGTH "${hex_size}" length)
  while(length LESS 8)
    string(PREPEND hex_size "0")
    string(LENGTH "${hex_size}" length)
  endwhile()
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "${hex_size}${hex_size}")
    message(FATAL_ERROR "the ${size}x${size} icon is not a ${size}x${size} PNG: ${header}")
  endif()
endforeach()
file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/org.virenast.Virenast.svg" svg)
if(NOT svg MATCHES "<svg [^>]*viewBox=\"0 0 32 32\"" OR NOT svg MATCHES "<rect ")
  message(FATAL_ERROR "the scalable icon is no drawing of the 32-pixel rocket")
endif()
message(STATUS "installed into ${PREFIX}")
