list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/load_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_model.cpp
)
# The settings as the xscreensaver hack's options, built natively only.
list(APPEND SORVANE_NATIVE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/option_settings.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/settings_dialog_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store_win32.cpp
)
