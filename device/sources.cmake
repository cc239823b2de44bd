list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_states.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/device_d3d8_win32.cpp
)
# The device on OpenGL ES 3.0, for the Linux hack and the page; its context
# through EGL on Linux, through WebGL 2 in the page.
list(APPEND SORVANE_GL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/clip_transform_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/direct3d_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/draw_device_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_buffer_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/prepared_programs_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_key_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_text_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/programs_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raster_states_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shader_translation_gl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_formats_gl.cpp
)
list(APPEND SORVANE_EGL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/context_egl.cpp
)
list(APPEND SORVANE_WEB_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/context_web.cpp
)
