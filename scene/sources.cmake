list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calculation_cycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/camera_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_scheme.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry/fin_flap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry/fish_buffers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry/fish_models.cpp
  ${CMAKE_CURRENT_LIST_DIR}/geometry/scenery_mesh_prep.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ground_height.cpp
  ${CMAKE_CURRENT_LIST_DIR}/heights.cpp
  ${CMAKE_CURRENT_LIST_DIR}/light_rays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/object_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_build.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_device.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_init.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/seabed_tiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_table.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/resource_source_win32.cpp
)
list(APPEND SORVANE_NATIVE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/folder_resource_source.cpp
)
