# What the Windows and the web ports share, included before their project():
# the release and its version, the game's source list, the main build's
# C++ settings, Release by default, the native build tree that drew the
# art, construir_allegro and empacotar_zip.
get_filename_component(raiz ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
include(${CMAKE_CURRENT_LIST_DIR}/lancamento.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/fontes.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/compilacao.cmake)

# The build's own paths kept out of what it makes, the game's objects and
# Allegro's (ALLEGRO_SEM_CAMINHOS, for its configure step): a zip is the
# same wherever it is built.
set(sem_caminhos -ffile-prefix-map=${raiz}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
add_compile_options(${sem_caminhos})
list(JOIN sem_caminhos " " ALLEGRO_SEM_CAMINHOS)
set(ALLEGRO_SEM_CAMINHOS "-DCMAKE_C_FLAGS=${ALLEGRO_SEM_CAMINHOS}")
if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release)
endif()
set(TABULEIRO2_NATIVO ${raiz}/build CACHE PATH
  "The native build tree, where the art tool drew the images (data/) and the icons (icones/)")
set(TABULEIRO2_BAIXADOS ${raiz}/build-allegro CACHE PATH
  "Where Allegro's upstream tarball is fetched and checked, once for every port")

# Allegro 4.4.3.1 from the tarball fetched once for every port, unpacked
# afresh when the port's patch changes, patched with it and built by the
# ExternalProject steps in ARGN, as the static library allegro_porta.
function(construir_allegro patch)
  include(ExternalProject)
  set(allegro ${PROJECT_BINARY_DIR}/allegro)
  ExternalProject_Add(allegro
    PREFIX ${allegro}
    SOURCE_DIR ${allegro}/fonte
    INSTALL_DIR ${allegro}/instalado
    DOWNLOAD_COMMAND ${raiz}/cmake/buscar_allegro.sh ${TABULEIRO2_BAIXADOS} <SOURCE_DIR>
    PATCH_COMMAND patch -p1 -s -i ${patch}
    ${ARGN}
    LOG_DOWNLOAD ON LOG_CONFIGURE ON LOG_BUILD ON LOG_INSTALL ON LOG_OUTPUT_ON_FAILURE ON
    BUILD_BYPRODUCTS <INSTALL_DIR>/lib/liballeg.a)
  ExternalProject_Add_StepDependencies(allegro download ${patch} ${raiz}/cmake/buscar_allegro.sh)
  file(MAKE_DIRECTORY ${allegro}/instalado/include)
  add_library(allegro_porta STATIC IMPORTED GLOBAL)
  set_target_properties(allegro_porta PROPERTIES
    IMPORTED_LOCATION ${allegro}/instalado/lib/liballeg.a
    INTERFACE_INCLUDE_DIRECTORIES ${allegro}/instalado/include)
  add_dependencies(allegro_porta allegro)
endfunction()

# The zip a player downloads, nome.zip, made target zip: the files of
# ARQUIVOS at its root and those of NA_PASTA in its folder PASTA, rebuilt
# when they or the targets and files of DEPENDS change. Byte for byte the
# same from the same sources: names sorted, no extra fields (-X), the modes
# set whatever the umask, every file dated the release in UTC (zip writes
# local time).
function(empacotar_zip nome)
  cmake_parse_arguments(PARSE_ARGV 1 zip "" PASTA "ARQUIVOS;NA_PASTA;DEPENDS")
  set(pasta ${PROJECT_BINARY_DIR}/${nome})
  add_custom_command(OUTPUT ${nome}.zip
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${pasta} ${nome}.zip
    COMMAND ${CMAKE_COMMAND} -E make_directory ${pasta}/${zip_PASTA}
    COMMAND ${CMAKE_COMMAND} -E copy ${zip_NA_PASTA} ${pasta}/${zip_PASTA}
    COMMAND ${CMAKE_COMMAND} -E copy ${zip_ARQUIVOS} ${pasta}
    COMMAND chmod -R u=rwX,go=rX ${pasta}
    COMMAND find ${pasta} -exec touch -d @${EPOCA_LANCAMENTO} {} +
    COMMAND sh -c "cd '${pasta}' && find . -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D ../${nome}.zip -@"
    DEPENDS ${zip_DEPENDS} ${zip_NA_PASTA}
    COMMENT "Packing ${nome}.zip"
    VERBATIM)
  add_custom_target(zip ALL DEPENDS ${nome}.zip)
endfunction()
