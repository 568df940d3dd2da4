# Installs the build into a fresh temporary prefix and checks that every file a desktop needs
# is there:  cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file
    bin/virenast
    share/applications/org.virenast.Virenast.desktop
    share/metainfo/org.virenast.Virenast.metainfo.xml
    share/icons/hicolor/16x16/apps/org.virenast.Virenast.png
    share/icons/hicolor/32x32/apps/org.virenast.Virenast.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The icons are real PNG images of the right size: the width and height stand in the header.
foreach(size 16 32)
  file(READ "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/org.virenast.Virenast.png" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 16 dimensions)
  math(EXPR hex_size "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" hex_size "${hex_size}")
  string(LENGTH "${hex_size}" length)
  if(length EQUAL 1)
    set(hex_size "0${hex_size}")
  endif()
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "000000${hex_size}000000${hex_size}")
    message(FATAL_ERROR "the ${size}x${size} icon is not a ${size}x${size} PNG: ${header}")
  endif()
endforeach()
message(STATUS "installed into ${PREFIX}")
