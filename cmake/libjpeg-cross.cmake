# libjpeg-turbo for a cross target (Windows, the page), built from the
# distribution's source package with the target's toolchain and kept in the
# build folder. Only the library is built: its programs cost minutes to link
# for WebAssembly and nothing here runs them.
include(ExternalProject)
set(SORVANE_LIBJPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg)
ExternalProject_Add(libjpeg_cross
  PREFIX ${CMAKE_BINARY_DIR}/libjpeg-build
  DOWNLOAD_COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/fetch-source-package.sh libjpeg-turbo <SOURCE_DIR>
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${SORVANE_LIBJPEG_PREFIX}
    -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVANE_LIBJPEG_PREFIX}/lib
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a ${SORVANE_LIBJPEG_PREFIX}/lib/
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/jconfig.h <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h
            <SOURCE_DIR>/jerror.h ${SORVANE_LIBJPEG_PREFIX}/include/
  BUILD_BYPRODUCTS ${SORVANE_LIBJPEG_PREFIX}/lib/libjpeg.a
)
file(MAKE_DIRECTORY ${SORVANE_LIBJPEG_PREFIX}/include)
add_library(sorvane_libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(sorvane_libjpeg PROPERTIES
  IMPORTED_LOCATION ${SORVANE_LIBJPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${SORVANE_LIBJPEG_PREFIX}/include)
add_dependencies(sorvane_libjpeg libjpeg_cross)
