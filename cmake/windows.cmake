# The product: Sorvane.scr, a 32-bit Windows module, statically linked so that
# it needs no MinGW DLL; and the Windows-side tests, run under Wine.
include(ExternalProject)
include(${CMAKE_SOURCE_DIR}/cmake/libjpeg-cross.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/vorbis-cross.cmake)
# The sound files the saver looks for in the Windows directory come from there
# too: the test prefix and tools/run.sh copy them there, the installer ships them.
set(SORVANE_HOST_GENERATORS gen_shell_images)
include(${CMAKE_SOURCE_DIR}/cmake/host-tools.cmake)

# The preview picture, the icon and the installer's picture.
set(SORVANE_SHELL_IMAGES ${SORVANE_GENERATED}/preview.bmp ${SORVANE_GENERATED}/sorvane.ico
    ${SORVANE_GENERATED}/installer.bmp)
add_custom_command(
  OUTPUT ${SORVANE_SHELL_IMAGES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED}
  COMMAND ${SORVANE_HOST_TOOLS}/gen_shell_images ${SORVANE_GENERATED}
  DEPENDS host_tools ${SORVANE_HOST_TOOLS}/gen_shell_images
)
set(SORVANE_GENERATED_FILES ${SORVANE_SHELL_IMAGES} ${SORVANE_TEXTURE_SCRIPT})
add_custom_target(generated_resources DEPENDS ${SORVANE_GENERATED_FILES})

set(SORVANE_WIN_FLAGS -Wall -Wextra)
set(SORVANE_WIN_LINK -static -static-libgcc -static-libstdc++)

set(SORVANE_ENTRY ${CMAKE_SOURCE_DIR}/shell/main_win32.cpp)
add_library(sorvane_win STATIC ${SORVANE_CORE_SOURCES} ${SORVANE_WIN32_SOURCES} ${SORVANE_GENERATED_TABLES})
target_include_directories(sorvane_win PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(sorvane_win PRIVATE ${SORVANE_WIN_FLAGS})
target_compile_definitions(sorvane_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(sorvane_win PUBLIC sorvane_libjpeg sorvane_vorbisfile user32 gdi32 shell32 advapi32 winmm comctl32)
add_dependencies(sorvane_win libjpeg_cross libvorbis_cross)

add_executable(Sorvane WIN32 ${SORVANE_ENTRY} ${CMAKE_SOURCE_DIR}/resources/Sorvane.rc)
set_target_properties(Sorvane PROPERTIES SUFFIX ".scr")
target_link_libraries(Sorvane PRIVATE sorvane_win)
target_link_options(Sorvane PRIVATE ${SORVANE_WIN_LINK})
add_dependencies(Sorvane generated_resources generated_sounds)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  add_test(NAME shipped_module COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/shipped_module_check.sh $<TARGET_FILE:Sorvane>)
endif()
# The manifest and the settings window's title carry the project's version.
configure_file(${CMAKE_SOURCE_DIR}/resources/Sorvane.manifest.in ${SORVANE_GENERATED}/Sorvane.manifest @ONLY)
set_source_files_properties(${CMAKE_SOURCE_DIR}/shell/startup_win32.cpp PROPERTIES
  COMPILE_DEFINITIONS SORVANE_VERSION="${PROJECT_VERSION}")
set(SORVANE_RESOURCE_INPUTS ${SORVANE_GENERATED_FILES} ${SORVANE_GENERATED}/Sorvane.manifest
    ${CMAKE_SOURCE_DIR}/resources/plant_shader.vsh ${CMAKE_SOURCE_DIR}/resources/settings_dialog_en.rc
    ${CMAKE_SOURCE_DIR}/resources/settings_dialog_ru.rc ${CMAKE_SOURCE_DIR}/resources/settings_dialog_ids.h)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/Sorvane.rc PROPERTIES
  OBJECT_DEPENDS "${SORVANE_RESOURCE_INPUTS}")
target_include_directories(Sorvane PRIVATE ${SORVANE_GENERATED} ${CMAKE_SOURCE_DIR}/resources)
include(${CMAKE_SOURCE_DIR}/cmake/installer.cmake)

# GoogleTest for the Windows target, each test executable one Wine run.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
set(SORVANE_WINE ${CMAKE_SOURCE_DIR}/tests/wine/wine-run.sh)

file(GLOB SORVANE_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*_test.cpp)
list(APPEND SORVANE_WINE_TESTS ${CMAKE_SOURCE_DIR}/tests/wine/saver_process.cpp)
# The tests carry the module's resources too, to run the preview in-process.
add_executable(wine_tests ${SORVANE_WINE_TESTS} ${CMAKE_SOURCE_DIR}/resources/Sorvane.rc)
target_include_directories(wine_tests PRIVATE ${SORVANE_GENERATED} ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(wine_tests PRIVATE sorvane_win gtest gtest_main)
target_link_options(wine_tests PRIVATE ${SORVANE_WIN_LINK})
add_dependencies(wine_tests Sorvane generated_resources)
add_test(NAME wine_tests COMMAND ${SORVANE_WINE} $<TARGET_FILE:wine_tests>)
set_tests_properties(wine_tests PROPERTIES ENVIRONMENT "SORVANE_SCR=$<TARGET_FILE:Sorvane>" TIMEOUT 600)

file(GLOB SORVANE_E2E CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_session.sh)
foreach(script ${SORVANE_E2E})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME e2e_${name} COMMAND bash ${script} $<TARGET_FILE:Sorvane> ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(e2e_${name} PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
endforeach()
# Four frames drawn by both devices, the Wine side at a few frames a second.
set_tests_properties(e2e_gl_match_session PROPERTIES TIMEOUT 600)
