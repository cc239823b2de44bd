# The Debian package of the hack, as Debian's checker (lintian) expects it: a
# maintainer with a real mail host, description lines under 80 columns, the
# manual page, and the copyright file and changelog in the package's doc folder.
set(SORVANE_MAINTAINER "Sorvane developers <sorvane@quorvel.com>")
set(SORVANE_PACKAGE_SOURCE ${CMAKE_SOURCE_DIR}/packaging/debian)
set(SORVANE_PACKAGE_DOCS ${CMAKE_BINARY_DIR}/package-docs)
set(SORVANE_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/sorvane)

# The copyright file in Debian's machine-readable format, its holder and
# licence text taken from LICENSE, so that the two never differ.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE SORVANE_LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" SORVANE_COPYRIGHT_LINE "${SORVANE_LICENSE}")
set(SORVANE_COPYRIGHT ${CMAKE_MATCH_1})
string(FIND "${SORVANE_LICENSE}" "${SORVANE_COPYRIGHT_LINE}" SORVANE_COPYRIGHT_AT)
string(LENGTH "${SORVANE_COPYRIGHT_LINE}" SORVANE_COPYRIGHT_LENGTH)
math(EXPR SORVANE_PERMISSION_AT "${SORVANE_COPYRIGHT_AT} + ${SORVANE_COPYRIGHT_LENGTH}")
string(SUBSTRING "${SORVANE_LICENSE}" ${SORVANE_PERMISSION_AT} -1 SORVANE_LICENSE_TEXT)
string(STRIP "${SORVANE_LICENSE_TEXT}" SORVANE_LICENSE_TEXT)
# Each line indented by one space, an empty line written as " .".
string(REPLACE "\n\n" "\n.\n" SORVANE_LICENSE_TEXT "${SORVANE_LICENSE_TEXT}")
string(REPLACE "\n" "\n " SORVANE_LICENSE_TEXT " ${SORVANE_LICENSE_TEXT}")
configure_file(${SORVANE_PACKAGE_SOURCE}/copyright.in ${SORVANE_PACKAGE_DOCS}/copyright @ONLY)

# The changelog and the manual page go in compressed, without a time stamp.
set(SORVANE_PACKAGE_GZIPPED)
foreach(source ${SORVANE_PACKAGE_SOURCE}/changelog ${CMAKE_SOURCE_DIR}/resources/sorvane.6)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${SORVANE_PACKAGE_DOCS}/${name}.gz
    COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" ${source} ${SORVANE_PACKAGE_DOCS}/${name}.gz
    DEPENDS ${source}
    VERBATIM)
  list(APPEND SORVANE_PACKAGE_GZIPPED ${SORVANE_PACKAGE_DOCS}/${name}.gz)
endforeach()
add_custom_target(sorvane_package_docs DEPENDS ${SORVANE_PACKAGE_GZIPPED})
add_dependencies(sorvane sorvane_package_docs)

install(FILES ${SORVANE_PACKAGE_DOCS}/sorvane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${SORVANE_PACKAGE_DOCS}/copyright ${SORVANE_PACKAGE_DOCS}/changelog.gz
        DESTINATION ${SORVANE_PACKAGE_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "underwater world screensaver for xscreensaver")
set(CPACK_PACKAGE_DESCRIPTION [[
Sorvane shows the seabed in real-time 3-D: a camera glides a little above
sandy dunes among ruined walls, columns, corals and swaying plants, while
thousands of fish swim their own ways around it, bubbles rise and shafts of
light slant down through the water. Calm music and the sound of the sea play
if asked for.

The hack draws with OpenGL. xscreensaver lists it once the programs list of
~/.xscreensaver names it, as the sorvane(6) manual page shows.]])
set(CPACK_PACKAGE_CONTACT ${SORVANE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xscreensaver, xscreensaver-gl")
include(CPack)
