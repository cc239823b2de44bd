# libogg and libvorbis for a cross target (Windows, the page), built from the
# distribution's source packages with the target's toolchain and kept in the
# build folder.
include(ExternalProject)
set(SORVANE_VORBIS_PREFIX ${CMAKE_BINARY_DIR}/vorbis)
set(SORVANE_VORBIS_COMMON_ARGS
  -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX=${SORVANE_VORBIS_PREFIX}
  -DBUILD_SHARED_LIBS=OFF -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF)
ExternalProject_Add(libogg_cross
  PREFIX ${CMAKE_BINARY_DIR}/libogg-build
  DOWNLOAD_COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/fetch-source-package.sh libogg <SOURCE_DIR>
  CMAKE_ARGS ${SORVANE_VORBIS_COMMON_ARGS}
  BUILD_BYPRODUCTS ${SORVANE_VORBIS_PREFIX}/lib/libogg.a
)
ExternalProject_Add(libvorbis_cross
  PREFIX ${CMAKE_BINARY_DIR}/libvorbis-build
  DOWNLOAD_COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/fetch-source-package.sh libvorbis <SOURCE_DIR>
  # Named outright: the toolchain searches only the target's root.
  CMAKE_ARGS ${SORVANE_VORBIS_COMMON_ARGS}
    -DOGG_INCLUDE_DIR=${SORVANE_VORBIS_PREFIX}/include -DOGG_LIBRARY=${SORVANE_VORBIS_PREFIX}/lib/libogg.a
  DEPENDS libogg_cross
  BUILD_BYPRODUCTS ${SORVANE_VORBIS_PREFIX}/lib/libvorbisfile.a ${SORVANE_VORBIS_PREFIX}/lib/libvorbis.a
)
file(MAKE_DIRECTORY ${SORVANE_VORBIS_PREFIX}/include)
foreach(lib ogg vorbis vorbisfile)
  add_library(sorvane_${lib} STATIC IMPORTED GLOBAL)
  set_target_properties(sorvane_${lib} PROPERTIES
    IMPORTED_LOCATION ${SORVANE_VORBIS_PREFIX}/lib/lib${lib}.a
    INTERFACE_INCLUDE_DIRECTORIES ${SORVANE_VORBIS_PREFIX}/include)
  add_dependencies(sorvane_${lib} libvorbis_cross)
endforeach()
# Link order: vorbisfile needs vorbis, which needs ogg.
set_target_properties(sorvane_vorbisfile PROPERTIES INTERFACE_LINK_LIBRARIES sorvane_vorbis)
set_target_properties(sorvane_vorbis PROPERTIES INTERFACE_LINK_LIBRARIES sorvane_ogg)
