# What ships: Sorvane.scr stripped, its debug information kept beside it as
# Sorvane.scr.debug (found by debuggers through the debug link), and
# SorvaneSetup.exe, which carries the module, the two sounds and the licence.
# No time stamp goes into the module: the linker leaves it out, and objcopy,
# which would write the current time, takes SOURCE_DATE_EPOCH instead.
target_link_options(Sorvane PRIVATE -Wl,--no-insert-timestamp)
set(SORVANE_DEBUG_FILE ${CMAKE_CURRENT_BINARY_DIR}/Sorvane.scr.debug)
set(SORVANE_OBJCOPY ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
add_custom_command(TARGET Sorvane POST_BUILD
  COMMAND ${SORVANE_OBJCOPY} --only-keep-debug $<TARGET_FILE:Sorvane> ${SORVANE_DEBUG_FILE}
  COMMAND ${SORVANE_OBJCOPY} --strip-debug --add-gnu-debuglink=${SORVANE_DEBUG_FILE} $<TARGET_FILE:Sorvane>
  BYPRODUCTS ${SORVANE_DEBUG_FILE})

find_program(SORVANE_MAKENSIS makensis REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(SORVANE_NSIS_TARGET amd64-unicode)
else()
  set(SORVANE_NSIS_TARGET x86-unicode)
endif()
# The licence beside the uninstaller, with the notices of the libraries built
# into the module, read from their sources.
set(SORVANE_LICENCE_FILE ${SORVANE_GENERATED}/License.txt)
add_custom_command(
  OUTPUT ${SORVANE_LICENCE_FILE}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${SORVANE_LICENCE_FILE} -DLICENSE=${CMAKE_SOURCE_DIR}/LICENSE
          -DJPEG_SOURCE=${CMAKE_BINARY_DIR}/libjpeg-build/src/libjpeg_cross
          -DOGG_SOURCE=${CMAKE_BINARY_DIR}/libogg-build/src/libogg_cross
          -DVORBIS_SOURCE=${CMAKE_BINARY_DIR}/libvorbis-build/src/libvorbis_cross
          -DMINGW_COPYRIGHT=/usr/share/doc/mingw-w64-common/copyright
          -P ${CMAKE_SOURCE_DIR}/cmake/windows-licence.cmake
  DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/cmake/windows-licence.cmake
          ${CMAKE_SOURCE_DIR}/cmake/licence-notices.cmake libjpeg_cross libvorbis_cross
  VERBATIM)
set(SORVANE_SETUP ${CMAKE_BINARY_DIR}/SorvaneSetup.exe)
add_custom_command(
  OUTPUT ${SORVANE_SETUP}
  COMMAND ${SORVANE_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DTARGET=${SORVANE_NSIS_TARGET}
          -DMODULE=$<TARGET_FILE:Sorvane> -DGENERATED=${SORVANE_GENERATED} -DOUTFILE=${SORVANE_SETUP}
          ${CMAKE_SOURCE_DIR}/installer/Sorvane.nsi
  DEPENDS ${CMAKE_SOURCE_DIR}/installer/Sorvane.nsi ${CMAKE_SOURCE_DIR}/installer/texts.nsh Sorvane
          ${SORVANE_GENERATED}/sorvane.ico ${SORVANE_GENERATED}/installer.bmp ${SORVANE_SOUND_FILES}
          ${SORVANE_LICENCE_FILE}
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${SORVANE_SETUP})
add_dependencies(installer generated_sounds generated_resources)
