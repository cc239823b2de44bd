list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_states.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_d3d8_win32.cpp
)
# The device on OpenGL through EGL, for the Linux build only.
list(APPEND SORVANE_GL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/context_egl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/direct3d_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_device_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_buffer_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shader_translation_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state_translation_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vertex_program_gl.cpp
)
