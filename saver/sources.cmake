list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calculation_thread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cycle_hand_over.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saver_core.cpp
)
