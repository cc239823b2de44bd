# The xscreensaver hack `sorvane`: the portable core, optimised, with the GL
# device, the X window, the stop signals and ALSA; installed where Debian's
# xscreensaver looks for hacks and their settings (the .deb around it is
# cmake/hack-package.cmake's).
enable_language(ASM)
# Debian's xscreensaver finds hacks under /usr only: install there unless told otherwise.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Where cmake --install puts the hack" FORCE)
endif()
include(GNUInstallDirs)
find_package(PNG REQUIRED)
pkg_check_modules(ALSA REQUIRED IMPORTED_TARGET alsa)

set(SORVANE_HACK_DIR ${CMAKE_INSTALL_LIBEXECDIR}/xscreensaver)
set(SORVANE_HACK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/sorvane)
# The hack finds its data from its own place: any install prefix works.
file(RELATIVE_PATH SORVANE_DATA_FROM_BINARY /${SORVANE_HACK_DIR} /${SORVANE_HACK_DATA_DIR})

set(SORVANE_HACK_RESOURCES ${CMAKE_BINARY_DIR}/hack/resources.S)
set(SORVANE_HACK_RESOURCE_INPUTS ${SORVANE_GENERATED_DIR}/textures.rc ${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh)
add_custom_command(
  OUTPUT ${SORVANE_HACK_RESOURCES}
  COMMAND ${CMAKE_COMMAND} -DRESOURCE_SCRIPT=${SORVANE_GENERATED_DIR}/textures.rc
          -DSHADER_TEXT=${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh -DFORMAT=elf -DOUTPUT=${SORVANE_HACK_RESOURCES}
          -P ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  DEPENDS ${SORVANE_HACK_RESOURCE_INPUTS} ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  COMMENT "Building the scene's images into the hack")
# The images change only with textures.rc, which the same rule writes.
set_source_files_properties(${SORVANE_HACK_RESOURCES} PROPERTIES OBJECT_DEPENDS "${SORVANE_HACK_RESOURCE_INPUTS}")

add_executable(sorvane ${SORVANE_HACK_SOURCES} ${SORVANE_HACK_RESOURCES})
target_compile_options(sorvane PRIVATE -O2 -Wall -Wextra)
target_compile_definitions(sorvane PRIVATE SORVANE_DATA_FROM_BINARY="${SORVANE_DATA_FROM_BINARY}")
target_link_libraries(sorvane PRIVATE sorvane_gl_fast X11::X11 PNG::PNG PkgConfig::ALSA)
# Run from the build tree it plays the sounds in generated/ beside it.
add_dependencies(sorvane generated_sounds)

install(TARGETS sorvane RUNTIME DESTINATION ${SORVANE_HACK_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/sorvane.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/xscreensaver/config)
install(FILES ${SORVANE_GENERATED_DIR}/sorvane.ogg ${SORVANE_GENERATED_DIR}/svambient.ogg
        DESTINATION ${SORVANE_HACK_DATA_DIR})

include(${CMAKE_SOURCE_DIR}/cmake/hack-package.cmake)

# The hack's end-to-end sessions, each on a display of its own.
file(GLOB SORVANE_HACK_SESSIONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/hack/*_session.sh)
foreach(script ${SORVANE_HACK_SESSIONS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME hack_${name} COMMAND bash ${script} $<TARGET_FILE:sorvane> ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(hack_${name} PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
endforeach()
