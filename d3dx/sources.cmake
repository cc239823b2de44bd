list(APPEND SORVANE_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/matrix_math.cpp
  ${CMAKE_CURRENT_LIST_DIR}/matrix_stack.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bmp_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dds_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/jpeg_decoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shader_assembler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texture_loader.cpp
)
list(APPEND SORVANE_WIN32_SOURCES
)
