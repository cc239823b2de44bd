list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calculation_thread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/displays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_plan.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/saver_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_loop_win32.cpp
)
