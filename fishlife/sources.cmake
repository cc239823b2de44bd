list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/cell_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fish_advance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fish_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fish_school.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gwave.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigation_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/obstacle_heights.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/route_planning.cpp
  ${CMAKE_CURRENT_LIST_DIR}/school_planning.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
)
