list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/audio_layer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mixer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ogg_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recording_output.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/sound_win32.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wave_out_win32.cpp
)
