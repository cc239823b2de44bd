# The page: the portable core built for WebAssembly with Emscripten, drawing
# through the OpenGL ES device on WebGL 2, with the scene's images, its shader
# and the two sound tracks inside the module, and the module inside one
# self-contained page, sorvane.html. Configure with cmake/emscripten.cmake as
# the toolchain.
enable_language(ASM)
include(ExternalProject)
include(${CMAKE_SOURCE_DIR}/cmake/libjpeg-cross.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/vorbis-cross.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/host-tools.cmake)

# Optimised as the hack is; libc++ 13 wants std::bit_cast supplied.
set(SORVANE_WEB_FLAGS -O2 -Wall -Wextra
    "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_SOURCE_DIR}/cmake/emscripten-bit-cast.h>")

add_library(sorvane_web STATIC ${SORVANE_CORE_SOURCES} ${SORVANE_NATIVE_SOURCES} ${SORVANE_GL_SOURCES}
            ${SORVANE_WEB_SOURCES} ${SORVANE_GENERATED_TABLES})
target_include_directories(sorvane_web PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sorvane_web PRIVATE ${SORVANE_WEB_FLAGS})
target_link_libraries(sorvane_web PUBLIC sorvane_libjpeg sorvane_vorbisfile)
add_dependencies(sorvane_web libjpeg_cross libvorbis_cross)

# The images and the shader text, and the two tracks, inside the module.
set(SORVANE_WEB_EMBEDDED ${CMAKE_BINARY_DIR}/page/resources.S ${CMAKE_BINARY_DIR}/page/sounds.S)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/page/resources.S
  COMMAND ${CMAKE_COMMAND} -DRESOURCE_SCRIPT=${SORVANE_TEXTURE_SCRIPT}
          -DSHADER_TEXT=${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh -DFORMAT=wasm
          -DOUTPUT=${CMAKE_BINARY_DIR}/page/resources.S -P ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  DEPENDS ${SORVANE_TEXTURE_SCRIPT} ${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh
          ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  COMMENT "Building the scene's images into the page")
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/page/sounds.S
  COMMAND ${CMAKE_COMMAND} "-DFILES=${SORVANE_SOUND_FILES}" -DTABLE=sorvane_embedded_sounds -DFORMAT=wasm
          -DOUTPUT=${CMAKE_BINARY_DIR}/page/sounds.S -P ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  DEPENDS ${SORVANE_SOUND_FILES} ${CMAKE_SOURCE_DIR}/cmake/embed-resources.cmake
  COMMENT "Building the sound tracks into the page"
  VERBATIM)
set_source_files_properties(${CMAKE_BINARY_DIR}/page/resources.S PROPERTIES
  OBJECT_DEPENDS "${SORVANE_TEXTURE_SCRIPT};${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh")
set_source_files_properties(${CMAKE_BINARY_DIR}/page/sounds.S PROPERTIES OBJECT_DEPENDS "${SORVANE_SOUND_FILES}")

# The script and the WebAssembly module, then the page around them: the
# module gzipped (half its size: the bitmaps and the mesh tables pack well)
# and in base64, which the page unpacks with the browser's own
# DecompressionStream before it starts the module.
add_executable(sorvane_script ${SORVANE_PAGE_SOURCES} ${SORVANE_WEB_EMBEDDED})
set_target_properties(sorvane_script PROPERTIES OUTPUT_NAME sorvane RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/page)
target_compile_options(sorvane_script PRIVATE ${SORVANE_WEB_FLAGS})
target_link_libraries(sorvane_script PRIVATE sorvane_web)
target_link_options(sorvane_script PRIVATE -O2 -sENVIRONMENT=web -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
                    -sALLOW_MEMORY_GROWTH=1)
# The linker's JavaScript steps run on the machine's node, which finds
# Debian's modules only this way.
set_target_properties(sorvane_script PROPERTIES
  CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")

# The notices of the libraries built into the module, read from their sources;
# Emscripten's runtime (its own code, musl, libc++) as Debian's copyright file
# of Emscripten lists it.
set(SORVANE_PAGE_NOTICES
  "libjpeg-turbo|${CMAKE_BINARY_DIR}/libjpeg-build/src/libjpeg_cross/LICENSE.md"
  "libjpeg-turbo: the IJG licence|${CMAKE_BINARY_DIR}/libjpeg-build/src/libjpeg_cross/README.ijg"
  "libogg|${CMAKE_BINARY_DIR}/libogg-build/src/libogg_cross/COPYING"
  "libvorbis|${CMAKE_BINARY_DIR}/libvorbis-build/src/libvorbis_cross/COPYING"
  "Emscripten and its runtime libraries|/usr/share/doc/emscripten/copyright")
set(SORVANE_PAGE ${CMAKE_BINARY_DIR}/sorvane.html)
add_custom_command(
  OUTPUT ${SORVANE_PAGE}
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${CMAKE_SOURCE_DIR}/shell/page_web.html
          -DSCRIPT=${CMAKE_BINARY_DIR}/page/sorvane.js -DMODULE=${CMAKE_BINARY_DIR}/page/sorvane.wasm
          -DLICENSE=${CMAKE_SOURCE_DIR}/LICENSE "-DNOTICES=${SORVANE_PAGE_NOTICES}" -DOUTPUT=${SORVANE_PAGE}
          -P ${CMAKE_SOURCE_DIR}/cmake/inline-page.cmake
  DEPENDS sorvane_script ${CMAKE_SOURCE_DIR}/shell/page_web.html ${CMAKE_SOURCE_DIR}/cmake/inline-page.cmake
          ${CMAKE_SOURCE_DIR}/cmake/licence-notices.cmake
          ${CMAKE_SOURCE_DIR}/LICENSE
  COMMENT "Writing the page"
  VERBATIM)
add_custom_target(page ALL DEPENDS ${SORVANE_PAGE})

# The page's tests: headless Chromium drives it against the hack's snapshot
# (from the native build, made first by tools/test.sh).
set(SORVANE_HACK ${CMAKE_SOURCE_DIR}/build/native/sorvane CACHE FILEPATH "The hack whose snapshots the page must match")
set(SORVANE_PAGE_DRIVER ${CMAKE_BINARY_DIR}/node)
add_test(NAME page_driver COMMAND bash ${CMAKE_SOURCE_DIR}/tests/web/install-driver.sh ${SORVANE_PAGE_DRIVER})
set_tests_properties(page_driver PROPERTIES FIXTURES_SETUP page_driver)
add_test(NAME page_session
         COMMAND bash ${CMAKE_SOURCE_DIR}/tests/web/page_session.sh ${SORVANE_PAGE} ${SORVANE_HACK}
                 ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(page_session PROPERTIES FIXTURES_REQUIRED page_driver TIMEOUT 1200
                     ENVIRONMENT NODE_PATH=${SORVANE_PAGE_DRIVER}/node_modules)
