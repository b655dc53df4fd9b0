# Install and package: the game beside its data, a launcher on the PATH
# that starts it there, a desktop entry with its icon and a man page; CPack
# makes a .deb of the lot.
include(GNUInstallDirs)

set(pasta_jogo ${CMAKE_INSTALL_LIBEXECDIR}/tabuleiro2)
set(pasta_dados ${CMAKE_INSTALL_DATADIR}/tabuleiro2)
install(TARGETS tabuleiro2 RUNTIME DESTINATION ${pasta_jogo})

# The launcher finds the game and the data relative to itself, so the
# installed tree can be moved whole (a .deb, DESTDIR, another prefix).
file(RELATIVE_PATH DADOS_RELATIVO /p/${CMAKE_INSTALL_BINDIR} /p/${pasta_dados})
file(RELATIVE_PATH JOGO_RELATIVO /p/${CMAKE_INSTALL_BINDIR} /p/${pasta_jogo}/tabuleiro2)
configure_file(cmake/lancador.sh.in lancador/tabuleiro2 @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/lancador/tabuleiro2 DESTINATION ${CMAKE_INSTALL_BINDIR})

set(dados ${PROJECT_BINARY_DIR}/data)
install(FILES ${dados}/chao.bmp ${dados}/parede.bmp ${dados}/monstro0.bmp ${dados}/monstro1.bmp
  ${dados}/avatar0.bmp ${dados}/avatar1.bmp ${dados}/tabuleiro.map
  DESTINATION ${pasta_dados})
install(DIRECTORY ${dados}/boards DESTINATION ${pasta_dados})
install(FILES ${dados}/tabuleiro2.xpm DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps)
install(FILES cmake/tabuleiro2.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Debian wants its man pages compressed, and reproducibly (-n).
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT tabuleiro2.6.gz
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/docs/tabuleiro2.6 > tabuleiro2.6.gz
  DEPENDS docs/tabuleiro2.6)
add_custom_target(manual ALL DEPENDS tabuleiro2.6.gz)
install(FILES ${PROJECT_BINARY_DIR}/tabuleiro2.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabuleiro2)
set(CPACK_PACKAGE_CONTACT "tabuleiro2 <tabuleiro2@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small grid game: walls, wandering monsters and you")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps names the libraries the game links, Allegro's among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
