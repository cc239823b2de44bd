# Writes an assembler file that carries the scene's images and the shader text
# inside the hack, with a table of them by resource id, as the Windows module
# carries them as resources: the hack then finds them wherever it is installed.
# A bitmap loses its 14-byte file header, as the resource compiler drops it.
# Run as: cmake -DRESOURCE_SCRIPT=textures.rc -DSHADER_TEXT=plant_shader.vsh
#               -DOUTPUT=resources.S -P embed-resources.cmake
get_filename_component(folder ${RESOURCE_SCRIPT} DIRECTORY)
file(STRINGS ${RESOURCE_SCRIPT} lines)
set(entries "400 0 ${SHADER_TEXT}")
foreach(line IN LISTS lines)
  if(line MATCHES "^//" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+) (BITMAP|RCDATA) \"([^\"]+)\"$")
    message(FATAL_ERROR "${RESOURCE_SCRIPT}: cannot read '${line}'")
  endif()
  set(bitmap 0)
  if(CMAKE_MATCH_2 STREQUAL "BITMAP")
    set(bitmap 1)
  endif()
  list(APPEND entries "${CMAKE_MATCH_1} ${bitmap} ${folder}/${CMAKE_MATCH_3}")
endforeach()

set(data "  .section .rodata.sorvane_resources,\"a\"\n")
set(table "  .section .data.rel.ro.sorvane_resources,\"aw\"\n  .balign 8\n  .globl sorvane_embedded_resources\nsorvane_embedded_resources:\n")
set(n 0)
foreach(entry IN LISTS entries)
  string(REGEX MATCH "^([0-9]+) ([01]) (.*)$" _ "${entry}")
  set(skip "")
  if(CMAKE_MATCH_2)
    set(skip ", 14")
  endif()
  string(APPEND data "  .balign 16\n.Lr${n}: .incbin \"${CMAKE_MATCH_3}\"${skip}\n.Lr${n}_end:\n")
  string(APPEND table "  .long ${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}\n  .quad .Lr${n}, .Lr${n}_end - .Lr${n}\n")
  math(EXPR n "${n} + 1")
endforeach()
string(APPEND table "  .long 0, 0\n  .quad 0, 0\n  .section .note.GNU-stack,\"\",@progbits\n")
file(WRITE ${OUTPUT} "${data}${table}")
