list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/calculation_thread.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/displays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_plan.cpp
)
# The xscreensaver hack's portable part, built natively only.
list(APPEND SORVANE_NATIVE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frame_rate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_saver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_target.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/saver_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_loop_win32.cpp
)
