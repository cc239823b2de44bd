# The notices of the libraries built into what ships, whose licences ask for
# them wherever their binaries go: each "title|file" appended to VARIABLE as
# a heading and the file's text.
function(sorvane_append_notices variable)
  set(text "${${variable}}")
  foreach(notice IN LISTS ARGN)
    string(REPLACE "|" ";" notice "${notice}")
    list(GET notice 0 title)
    list(GET notice 1 file)
    file(READ ${file} body)
    string(APPEND text "\n\n======== ${title} ========\n\n${body}")
  endforeach()
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
