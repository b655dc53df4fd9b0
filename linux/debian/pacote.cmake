# The Debian package, made by CPack from the install rules (`make deb`):
# the stripped game in Debian's games layout, with the copyright file and
# the changelog Debian asks of every package. Native: the project is its
# own upstream, so the version has no Debian revision.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabuleiro2)
set(CPACK_PACKAGE_CONTACT "Equipe tabuleiro2 <equipe@tabuleiro2.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small grid game: walls, wandering monsters and you")
set(CPACK_PACKAGE_DESCRIPTION "\
A board of 16 columns by 12 rows holds walls, monsters that wander at
random and avatars that follow the arrow keys. Every element slides one
cell at a time, turned to face its way; none can enter an occupied cell.
Nothing is scored, won or lost: you roam until you press Esc.

Boards are plain text files, one character per cell; the game comes with
four, and plays any other given on its command line. A board editor,
tabuleiro2-editor, paints boards with the mouse in the game's own look and
checks hand-written ones.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${sitio}/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# dpkg-shlibdeps names the libraries the game links, Allegro's among them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)

# The copyright file, machine-readable (DEP-5), with the terms of LICENSE.
file(READ LICENSE licenca)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" autores "${licenca}")
set(LICENCA_AUTORES ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*\n(Permission)" "\\1" texto "${licenca}")
string(STRIP "${texto}" texto)
string(REPLACE "\n\n" "\n.\n" texto "${texto}")
string(REPLACE "\n" "\n " LICENCA_TEXTO " ${texto}")
configure_file(linux/debian/copyright.in copyright @ONLY)

add_custom_command(OUTPUT changelog.gz
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/linux/debian/changelog > changelog.gz
  DEPENDS linux/debian/changelog)
add_custom_target(changelog ALL DEPENDS changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
