# Install: the game beside its data, laid out as Debian lays out games, a
# launcher on the PATH that starts it there, desktop entries, icons, man
# pages and the metainfo software centres read; debian/ packs the lot.
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

# The images and the boards, from the build tree's data folder (linux/jogar.cmake).
foreach(arquivo IN LISTS imagens_jogo tabuleiros_jogo)
  get_filename_component(pasta ${arquivo} DIRECTORY)
  install(FILES ${dados}/${arquivo} DESTINATION ${pasta_dados}/${pasta})
endforeach()
install(DIRECTORY ${PROJECT_BINARY_DIR}/icones/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
list(TRANSFORM entradas_desktop PREPEND linux/ OUTPUT_VARIABLE arquivos_desktop)
install(FILES ${arquivos_desktop} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The man pages name the version; Debian wants them compressed, and
# reproducibly (-n).
find_program(GZIP gzip REQUIRED)
foreach(pagina IN LISTS paginas_manual)
  configure_file(docs/${pagina} manual/${pagina} @ONLY)
  add_custom_command(OUTPUT ${pagina}.gz
    COMMAND ${GZIP} -9nc manual/${pagina} > ${pagina}.gz
    DEPENDS ${PROJECT_BINARY_DIR}/manual/${pagina})
  list(APPEND paginas_comprimidas ${PROJECT_BINARY_DIR}/${pagina}.gz)
endforeach()
add_custom_target(manual ALL DEPENDS ${paginas_comprimidas})
install(FILES ${paginas_comprimidas} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The release the metainfo names, and its day, are the top of debian/changelog.
set(metainfo org.tabuleiro2.tabuleiro2.metainfo.xml)
configure_file(linux/${metainfo}.in ${metainfo} @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The board editor beside the launcher; it finds the images relative to
# itself, as the launcher does.
file(RELATIVE_PATH EDITOR_DADOS /p/${pasta_lancador} /p/${pasta_dados})
target_compile_definitions(tabuleiro2-editor PRIVATE DADOS_INSTALADOS="${EDITOR_DADOS}")
install(TARGETS tabuleiro2-editor RUNTIME DESTINATION ${pasta_lancador})
