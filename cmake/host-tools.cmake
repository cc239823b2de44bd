# The generators run on the build machine: a cross build (Windows, the page)
# builds tools/ with the host compiler, then writes with them the scene's
# images, the scenery meshes and the fish models as C++ tables, and the two
# sound tracks. Set SORVANE_HOST_GENERATORS to the generators the build needs
# besides those.
set(SORVANE_GENERATED ${CMAKE_BINARY_DIR}/generated)
set(SORVANE_HOST_TOOLS ${CMAKE_BINARY_DIR}/host-tools)
list(APPEND SORVANE_HOST_GENERATORS gen_textures gen_sounds gen_fish gen_meshes)
list(TRANSFORM SORVANE_HOST_GENERATORS PREPEND ${SORVANE_HOST_TOOLS}/ OUTPUT_VARIABLE host_generator_files)
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${SORVANE_HOST_TOOLS}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${SORVANE_HOST_GENERATORS}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host_generator_files}
)

set(SORVANE_TEXTURE_SCRIPT ${SORVANE_GENERATED}/textures.rc)
add_custom_command(
  OUTPUT ${SORVANE_TEXTURE_SCRIPT}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED}
  COMMAND ${SORVANE_HOST_TOOLS}/gen_textures ${SORVANE_GENERATED}
  DEPENDS host_tools ${SORVANE_HOST_TOOLS}/gen_textures
  COMMENT "Generating the scene's texture images"
)

set(SORVANE_GENERATED_TABLES)
foreach(tables gen_fish:fish_model_tables gen_meshes:scenery_meshes)
  string(REPLACE ":" ";" tables ${tables})
  list(GET tables 0 generator)
  list(GET tables 1 name)
  add_custom_command(
    OUTPUT ${SORVANE_GENERATED}/${name}.cpp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED}
    COMMAND ${SORVANE_HOST_TOOLS}/${generator} ${SORVANE_GENERATED}/${name}.cpp
    DEPENDS host_tools ${SORVANE_HOST_TOOLS}/${generator})
  list(APPEND SORVANE_GENERATED_TABLES ${SORVANE_GENERATED}/${name}.cpp)
endforeach()

set(SORVANE_SOUND_FILES ${SORVANE_GENERATED}/sorvane.ogg ${SORVANE_GENERATED}/svambient.ogg)
add_custom_command(
  OUTPUT ${SORVANE_SOUND_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_GENERATED}
  COMMAND ${SORVANE_HOST_TOOLS}/gen_sounds ${SORVANE_GENERATED}
  DEPENDS host_tools ${SORVANE_HOST_TOOLS}/gen_sounds
  COMMENT "Generating the music and the ambient sound"
)
add_custom_target(generated_sounds ALL DEPENDS ${SORVANE_SOUND_FILES})
