# Writes the page: the template with the compiled script and the WebAssembly
# module (which holds the images and the sounds), gzipped and in base64, put in
# place of their markers, so that the page is one file that fetches nothing;
# and, in a comment at its head, Sorvane's licence and the notices of what is
# built into the module, whose licences ask for them wherever it goes.
# Run as: cmake -DTEMPLATE=page_web.html -DSCRIPT=sorvane.js -DMODULE=sorvane.wasm
#               -DLICENSE=LICENSE "-DNOTICES=title|file;..." -DOUTPUT=sorvane.html -P inline-page.cmake
include(${CMAKE_CURRENT_LIST_DIR}/licence-notices.cmake)
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
# Inside a script element the first "</script" ends it, wherever it stands.
string(TOLOWER "${script}" lower)
string(FIND "${lower}" "</script" closing)
if(NOT closing EQUAL -1)
  message(FATAL_ERROR "${SCRIPT} holds </script at ${closing}: it cannot stand inline")
endif()
# No name nor time in the gzip header: the same module makes the same page.
execute_process(COMMAND gzip -9 -n -c ${MODULE} OUTPUT_FILE ${OUTPUT}.gz COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND base64 -w 0 ${OUTPUT}.gz OUTPUT_VARIABLE module COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUTPUT}.gz)
file(READ ${LICENSE} licences)
string(APPEND licences "
sorvane.html has the following built in, each under its own licence.
")
sorvane_append_notices(licences ${NOTICES})
foreach(forbidden "-->" "<!--" "--!>")
  string(FIND "${licences}" "${forbidden}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the notices hold ${forbidden}, which would end their comment")
  endif()
endforeach()

foreach(marker "<!-- sorvane.licences -->" "/* sorvane.js */" "sorvane.wasm.gz")
  string(FIND "${page}" "${marker}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${TEMPLATE} has no ${marker}")
  endif()
endforeach()
string(REPLACE "<!-- sorvane.licences -->" "<!--\n${licences}\n-->" page "${page}")
string(REPLACE "sorvane.wasm.gz" "${module}" page "${page}")
string(REPLACE "/* sorvane.js */" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
