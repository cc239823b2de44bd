list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/displays.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_plan.cpp
)
# The xscreensaver hack's portable part, built natively only.
list(APPEND SORVANE_NATIVE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/frame_rate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_options.cpp
)
# The hack's X11, POSIX and file parts, in the hack alone.
list(APPEND SORVANE_HACK_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/data_folder_posix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/embedded_resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hack_main_posix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/png_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stop_signal_posix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x11_window_x11.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/saver_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_loop_win32.cpp
)
# The page's host, its hooks into the page and the files it carries.
list(APPEND SORVANE_WEB_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/embedded_resources.cpp
  ${CMAKE_CURRENT_LIST_DIR}/embedded_sounds_web.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_host_web.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_web.cpp
)
list(APPEND SORVANE_PAGE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main_web.cpp
)
