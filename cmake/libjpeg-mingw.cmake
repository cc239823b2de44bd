# libjpeg-turbo for the Windows target, built from the distribution's source
# package with the MinGW toolchain and kept in the build folder.
include(ExternalProject)
set(SORVANE_LIBJPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg)
ExternalProject_Add(libjpeg_mingw
  PREFIX ${CMAKE_BINARY_DIR}/libjpeg-build
  DOWNLOAD_COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/fetch-source-package.sh libjpeg-turbo <SOURCE_DIR>
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${SORVANE_LIBJPEG_PREFIX}
    -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
  BUILD_BYPRODUCTS ${SORVANE_LIBJPEG_PREFIX}/lib/libjpeg.a
)
file(MAKE_DIRECTORY ${SORVANE_LIBJPEG_PREFIX}/include)
add_library(sorvane_libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(sorvane_libjpeg PROPERTIES
  IMPORTED_LOCATION ${SORVANE_LIBJPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${SORVANE_LIBJPEG_PREFIX}/include)
add_dependencies(sorvane_libjpeg libjpeg_mingw)
