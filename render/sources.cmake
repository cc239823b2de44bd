list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/camera_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_recording.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_reset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frustum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/light_rays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/render_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tile_objects.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_d3d8_win32.cpp
)
