# Install: the game beside its data, laid out as Debian lays out games, a
# launcher on the PATH that starts it there, desktop entries, icons, man
# pages and the metainfo software centres read; linux/debian/ packs the lot.
include(GNUInstallDirs)

# Relative to the prefix: the launchers (a folder on Debian's PATH) and the
# data; every program of the project installs beside them.
set(pasta_lancador games)
set(pasta_dados ${CMAKE_INSTALL_DATADIR}/games/tabuleiro2)
set(pasta_jogo ${CMAKE_INSTALL_LIBEXECDIR}/tabuleiro2)
# One entry per program: its man page in docs/, its desktop entry in linux/.
set(paginas_manual tabuleiro2.6 tabuleiro2-editor.6)
set(entradas_desktop tabuleiro2.desktop tabuleiro2-editor.desktop)
set(sitio https://tabuleiro2.org)

install(TARGETS tabuleiro2 RUNTIME DESTINATION ${pasta_jogo})

# The launcher finds the game and the data relative to itself, so the
# installed tree can be moved whole (a .deb, DESTDIR, another prefix).
file(RELATIVE_PATH DADOS_RELATIVO /p/${pasta_lancador} /p/${pasta_dados})
file(RELATIVE_PATH JOGO_RELATIVO /p/${pasta_lancador} /p/${pasta_jogo}/tabuleiro2)
configure_file(linux/lancador.sh.in lancador/tabuleiro2 @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/lancador/tabuleiro2 DESTINATION ${pasta_lancador})

set(dados ${PROJECT_BINARY_DIR}/data)
list(TRANSFORM imagens_jogo PREPEND ${dados}/ OUTPUT_VARIABLE arquivos_imagens)
install(FILES ${arquivos_imagens} ${dados}/tabuleiro.map DESTINATION ${pasta_dados})
install(DIRECTORY ${dados}/boards DESTINATION ${pasta_dados})
install(DIRECTORY ${PROJECT_BINARY_DIR}/icones/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
list(TRANSFORM entradas_desktop PREPEND linux/ OUTPUT_VARIABLE arquivos_desktop)
install(FILES ${arquivos_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Debian wants its man pages compressed, and reproducibly (-n).
find_program(GZIP gzip REQUIRED)
foreach(pagina IN LISTS paginas_manual)
  add_custom_command(OUTPUT ${pagina}.gz
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/docs/${pagina} > ${pagina}.gz
    DEPENDS docs/${pagina})
  list(APPEND paginas_comprimidas ${PROJECT_BINARY_DIR}/${pagina}.gz)
endforeach()
add_custom_target(manual ALL DEPENDS ${paginas_comprimidas})
install(FILES ${paginas_comprimidas} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The release the metainfo names is the one at the top of the changelog,
# which must be the project's version.
file(STRINGS linux/debian/changelog versoes REGEX "^tabuleiro2 \\(")
file(STRINGS linux/debian/changelog assinaturas REGEX "^ -- ")
list(GET versoes 0 versao)
list(GET assinaturas 0 assinatura)
string(REGEX MATCH "\\((.*)\\)" versao "${versao}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "linux/debian/changelog is at ${CMAKE_MATCH_1}, the project at ${PROJECT_VERSION}")
endif()
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9]+) " data "${assinatura}")
set(meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND meses "${CMAKE_MATCH_2}" mes)
if(mes LESS 0)
  message(FATAL_ERROR "linux/debian/changelog: no date in '${assinatura}'")
endif()
math(EXPR mes "${mes} + 1")
if(mes LESS 10)
  set(mes 0${mes})
endif()
set(DATA_VERSAO ${CMAKE_MATCH_3}-${mes}-${CMAKE_MATCH_1})
set(metainfo org.tabuleiro2.tabuleiro2.metainfo.xml)
configure_file(linux/${metainfo}.in ${metainfo} @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

include(linux/debian/pacote.cmake)

# The board editor beside the launcher; it finds the images relative to
# itself, as the launcher does.
file(RELATIVE_PATH EDITOR_DADOS /p/${pasta_lancador} /p/${pasta_dados})
target_compile_definitions(tabuleiro2-editor PRIVATE DADOS_INSTALADOS="${EDITOR_DADOS}")
install(TARGETS tabuleiro2-editor RUNTIME DESTINATION ${pasta_lancador})
