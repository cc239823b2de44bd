# Writes License.txt, which the installer puts beside its uninstaller:
# Sorvane's licence, then the notices of the libraries built into Sorvane.scr,
# whose licences ask for them wherever their binaries go. Windows line ends,
# so that Notepad shows the lines.
#   cmake -DOUTPUT=License.txt -DLICENSE=LICENSE -DJPEG_SOURCE=<libjpeg-turbo>
#         -DOGG_SOURCE=<libogg> -DVORBIS_SOURCE=<libvorbis>
#         -DMINGW_COPYRIGHT=<Debian's copyright file of MinGW-w64> -P windows-licence.cmake
include(${CMAKE_CURRENT_LIST_DIR}/licence-notices.cmake)
file(READ ${LICENSE} text)
string(APPEND text "
Sorvane.scr has the following libraries built in, each under its own licence.
GCC's runtime libraries, also built in, are under the GCC Runtime Library
Exception, which asks for no notice.
")
sorvane_append_notices(text
  "libjpeg-turbo|${JPEG_SOURCE}/LICENSE.md"
  "libjpeg-turbo: the IJG licence|${JPEG_SOURCE}/README.ijg"
  "libogg|${OGG_SOURCE}/COPYING"
  "libvorbis|${VORBIS_SOURCE}/COPYING"
  "MinGW-w64's runtime and winpthreads|${MINGW_COPYRIGHT}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
