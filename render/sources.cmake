list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_reset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fish_bend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fish_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frustum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/render_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tile_objects.cpp
)
