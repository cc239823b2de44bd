list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calculation_cycle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cell_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gwave.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigation_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/obstacle_heights.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_search.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
)
