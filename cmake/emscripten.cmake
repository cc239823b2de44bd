# The page's toolchain: Debian's Emscripten, on the machine's own node. Its
# JavaScript modules live in Debian's folder, which that node does not search;
# and a program run while configuring (check_type_size runs one) must read its
# .wasm from disk, which node's fetch cannot.
set(ENV{NODE_PATH} /usr/share/nodejs)
find_program(SORVANE_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SORVANE_NODE};--no-experimental-fetch)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
