# The native test bed: the portable core under AddressSanitizer and UBSan, its
# GoogleTest suite, the generator tools and the benchmarks.
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
find_package(Threads REQUIRED)
find_package(JPEG REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile vorbis ogg)
pkg_check_modules(GLES REQUIRED IMPORTED_TARGET glesv2 egl)
find_package(X11 REQUIRED)

set(SORVANE_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

# The same sources twice: sanitized for the tests, optimised for the hack, the
# benchmarks and the figure tools.
add_library(sorvane_core STATIC ${SORVANE_CORE_SOURCES} ${SORVANE_NATIVE_SOURCES})
target_include_directories(sorvane_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sorvane_core PUBLIC ${SORVANE_SANITIZERS} -Wall -Wextra)
target_link_options(sorvane_core PUBLIC ${SORVANE_SANITIZERS})
target_link_libraries(sorvane_core PUBLIC Threads::Threads JPEG::JPEG PkgConfig::VORBISFILE)

add_library(sorvane_core_fast STATIC ${SORVANE_CORE_SOURCES} ${SORVANE_NATIVE_SOURCES})
target_include_directories(sorvane_core_fast PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sorvane_core_fast PRIVATE -O2)
target_link_libraries(sorvane_core_fast PUBLIC Threads::Threads JPEG::JPEG PkgConfig::VORBISFILE)

# The device on OpenGL ES, apart from the core: only what draws through it links GL.
add_library(sorvane_gl STATIC ${SORVANE_GL_SOURCES} ${SORVANE_EGL_SOURCES})
target_link_libraries(sorvane_gl PUBLIC sorvane_core PkgConfig::GLES X11::X11)
add_library(sorvane_gl_fast STATIC ${SORVANE_GL_SOURCES} ${SORVANE_EGL_SOURCES})
target_compile_options(sorvane_gl_fast PRIVATE -O2 -Wall -Wextra)
target_link_libraries(sorvane_gl_fast PUBLIC sorvane_core_fast PkgConfig::GLES X11::X11)

# The recording device and what else the tests, benchmarks and tools share:
# test support, kept out of the product's library.
add_library(sorvane_test_support STATIC ${CMAKE_SOURCE_DIR}/tests/support/device_recording.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/pass_states.cpp)
target_link_libraries(sorvane_test_support PUBLIC sorvane_core)
add_library(sorvane_test_support_fast STATIC ${CMAKE_SOURCE_DIR}/tests/support/device_recording.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/pass_states.cpp)
target_compile_options(sorvane_test_support_fast PRIVATE -O2)
target_link_libraries(sorvane_test_support_fast PUBLIC sorvane_core_fast)

# The scenery meshes and the fish models, written as C++ tables by their
# generators and compiled into the core.
function(sorvane_generated_tables generator file comment)
  add_custom_command(
    OUTPUT ${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
    COMMAND ${generator} ${file}
    DEPENDS ${generator}
    COMMENT ${comment})
  target_sources(sorvane_core PRIVATE ${file})
  target_sources(sorvane_core_fast PRIVATE ${file})
endfunction()
sorvane_generated_tables(gen_meshes ${CMAKE_BINARY_DIR}/generated/scenery_meshes.cpp "Generating the scenery meshes")
sorvane_generated_tables(gen_fish ${CMAKE_BINARY_DIR}/generated/fish_model_tables.cpp "Generating the fish models")

file(GLOB SORVANE_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(native_tests ${SORVANE_NATIVE_TESTS})
target_link_libraries(native_tests PRIVATE sorvane_test_support sorvane_soundgen sorvane_fishgen GTest::gtest GTest::gtest_main)
add_test(NAME native_tests COMMAND native_tests)
# An allocation too large for memory fails as it would without the sanitizer.
set_tests_properties(native_tests PROPERTIES ENVIRONMENT "ASAN_OPTIONS=allocator_may_return_null=1")

file(GLOB SORVANE_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*_bench.cpp)
if(SORVANE_BENCHMARKS)
  add_executable(sorvane_bench ${SORVANE_BENCHMARKS})
  target_link_libraries(sorvane_bench PRIVATE sorvane_test_support_fast benchmark::benchmark benchmark::benchmark_main)
endif()

add_subdirectory(tools)


# Every folder includes only the folders below it.
add_test(NAME layers COMMAND bash ${CMAKE_SOURCE_DIR}/tools/check-layers.sh)

# The frame/calculation handshake once more under ThreadSanitizer.
add_executable(handshake_tsan_tests
  ${CMAKE_SOURCE_DIR}/tests/native/calculation_thread_test.cpp
  ${CMAKE_SOURCE_DIR}/saver/calculation_thread.cpp
  ${CMAKE_SOURCE_DIR}/base/auto_reset_event_posix.cpp
  ${CMAKE_SOURCE_DIR}/base/random.cpp)
target_include_directories(handshake_tsan_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(handshake_tsan_tests PRIVATE -fsanitize=thread)
target_link_options(handshake_tsan_tests PRIVATE -fsanitize=thread)
target_link_libraries(handshake_tsan_tests PRIVATE GTest::gtest GTest::gtest_main Threads::Threads)
add_test(NAME handshake_tsan_tests COMMAND handshake_tsan_tests)
set_tests_properties(handshake_tsan_tests PROPERTIES ENVIRONMENT "TSAN_OPTIONS=halt_on_error=1")

# Each image decoder (and the texture and shader paths) fuzzed for a bounded time.
add_test(NAME fuzz_decoders COMMAND bash ${CMAKE_SOURCE_DIR}/tests/fuzz/run.sh ${CMAKE_BINARY_DIR}/fuzz 20)
set_tests_properties(fuzz_decoders PROPERTIES TIMEOUT 900)

# The scene's images as the generator makes them, so tests, benchmarks and the
# scene probe load the real resources.
set(SORVANE_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
add_custom_command(
  OUTPUT ${SORVANE_GENERATED_DIR}/textures.rc
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED_DIR}
  COMMAND gen_textures ${SORVANE_GENERATED_DIR}
  DEPENDS gen_textures
  COMMENT "Generating the scene's texture images")
add_custom_target(generated_textures DEPENDS ${SORVANE_GENERATED_DIR}/textures.rc)
add_custom_command(
  OUTPUT ${SORVANE_GENERATED_DIR}/sorvane.ogg ${SORVANE_GENERATED_DIR}/svambient.ogg
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED_DIR}
  COMMAND gen_sounds ${SORVANE_GENERATED_DIR}
  DEPENDS gen_sounds
  COMMENT "Generating the music and the ambient sound")
add_custom_target(generated_sounds DEPENDS ${SORVANE_GENERATED_DIR}/sorvane.ogg ${SORVANE_GENERATED_DIR}/svambient.ogg)
set(SORVANE_RESOURCE_DEFINITIONS
  SORVANE_GENERATED_DIR="${SORVANE_GENERATED_DIR}"
  SORVANE_SHADER_TEXT="${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh")
add_dependencies(native_tests generated_textures generated_sounds)
target_compile_definitions(native_tests PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})
if(TARGET sorvane_bench)
  add_dependencies(sorvane_bench generated_textures generated_sounds)
  target_compile_definitions(sorvane_bench PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})
endif()

# Builds a whole scene from a seed through the recording device and prints
# figures as JSON.
add_executable(scene_probe ${CMAKE_SOURCE_DIR}/tools/scene_probe/scene_probe.cpp
               ${CMAKE_SOURCE_DIR}/tools/scene_probe/fill_meter.cpp)
target_link_libraries(scene_probe PRIVATE sorvane_test_support_fast)
add_dependencies(scene_probe generated_textures)
target_compile_definitions(scene_probe PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})

# A digest of the whole device call stream of a seed, to show that a change
# left the drawing as it was.
add_executable(call_stream ${CMAKE_SOURCE_DIR}/tools/call_stream/call_stream.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/scene_run.cpp)
target_link_libraries(call_stream PRIVATE sorvane_test_support_fast)
add_dependencies(call_stream generated_textures)
target_compile_definitions(call_stream PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})

# The device on OpenGL: its pixel, shader and whole-scene tests in an
# executable of their own, so the native suite runs where there is no GL; and
# the frame rate of the whole scene through it.
file(GLOB SORVANE_GL_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gl/*_test.cpp)
add_executable(gl_tests ${SORVANE_GL_TESTS} ${CMAKE_SOURCE_DIR}/tests/support/scene_run.cpp)
target_link_libraries(gl_tests PRIVATE sorvane_gl sorvane_test_support GTest::gtest GTest::gtest_main)
target_compile_definitions(gl_tests PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})
add_dependencies(gl_tests generated_textures)
add_test(NAME gl_tests COMMAND gl_tests)
set_tests_properties(gl_tests PROPERTIES TIMEOUT 900)

add_executable(gl_frame_rate ${CMAKE_SOURCE_DIR}/tools/gl_frame_rate/gl_frame_rate.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/scene_run.cpp)
target_link_libraries(gl_frame_rate PRIVATE sorvane_gl_fast)
target_compile_options(gl_frame_rate PRIVATE -O2)
target_compile_definitions(gl_frame_rate PRIVATE ${SORVANE_RESOURCE_DEFINITIONS})
add_dependencies(gl_frame_rate generated_textures)
# The window test on a virtual display of its own; no Direct3D object where
# EGL has no driver to offer.
add_test(NAME gl_window_tests
         COMMAND bash -c "source '${CMAKE_SOURCE_DIR}/tools/virtual-display.sh' && start_virtual_display && trap stop_virtual_display EXIT && '$<TARGET_FILE:gl_tests>' --gtest_filter='GlWindowTest.*'")
add_test(NAME gl_without_egl COMMAND gl_tests --gtest_filter=GlWithoutEglTest.*)
set_tests_properties(gl_without_egl PROPERTIES ENVIRONMENT "__EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent/egl_vendor.json")

include(${CMAKE_SOURCE_DIR}/cmake/hack.cmake)
