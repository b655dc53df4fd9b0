# What the Windows and the web builds share, included right after their
# project(): the main build's C++ settings, Release by default, the native
# build tree that drew the art, and construir_allegro.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release)
endif()
get_filename_component(raiz ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(TABULEIRO2_NATIVO ${raiz}/build CACHE PATH
  "The native build tree, where the art tool drew the images (data/) and the icons (icones/)")
set(TABULEIRO2_BAIXADOS ${raiz}/build-allegro CACHE PATH
  "Where Allegro's upstream tarball is fetched and checked, once for every port")
include(ExternalProject)

# Allegro 4.4.3.1 from the tarball fetched once for every port, unpacked
# afresh when the port's patch changes, patched with it and built by the
# ExternalProject steps in ARGN, as the static library allegro_porta.
function(construir_allegro patch)
  set(allegro ${PROJECT_BINARY_DIR}/allegro)
  ExternalProject_Add(allegro
    PREFIX ${allegro}
    SOURCE_DIR ${allegro}/fonte
    INSTALL_DIR ${allegro}/instalado
    DOWNLOAD_COMMAND ${CMAKE_COMMAND} -DPASTA=${TABULEIRO2_BAIXADOS} -DDESTINO=<SOURCE_DIR>
      -P ${raiz}/cmake/buscar_allegro.cmake
    PATCH_COMMAND patch -p1 -s -i ${patch}
    ${ARGN}
    LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON LOG_OUTPUT_ON_FAILURE ON
    BUILD_BYPRODUCTS <INSTALL_DIR>/lib/liballeg.a)
  ExternalProject_Add_StepDependencies(allegro download ${patch} ${raiz}/cmake/buscar_allegro.cmake)
  file(MAKE_DIRECTORY ${allegro}/instalado/include)
  add_library(allegro_porta STATIC IMPORTED GLOBAL)
  set_target_properties(allegro_porta PROPERTIES
    IMPORTED_LOCATION ${allegro}/instalado/lib/liballeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${allegro}/instalado/include)
  add_dependencies(allegro_porta allegro)
endfunction()
