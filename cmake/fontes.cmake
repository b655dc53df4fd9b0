# The game's sources and images, listed once for every build: the native
# one with its tests, benchmarks and fuzz targets, and the Windows and web
# ports. Sources are full paths; images are the names the game loads.
get_filename_component(fontes ${CMAKE_CURRENT_LIST_DIR}/../src ABSOLUTE)

# The board and rules, the loader, the drawing, and the window both programs open.
set(fontes_nucleo tabuleiro.cpp carregador.cpp desenho.cpp janela.cpp)
# The game's shell, with its main.
set(fontes_jogo tabuleiro2.cpp)
# The board editor's work on boards, apart from its window; and its window, with its main.
set(fontes_edicao edicao.cpp)
set(fontes_editor editor.cpp)
foreach(lista fontes_nucleo fontes_jogo fontes_edicao fontes_editor)
  list(TRANSFORM ${lista} PREPEND ${fontes}/)
endforeach()
# The file operations a save needs (arquivos.h), as the system the build is
# for does them: Windows' for its port, POSIX's for every other build.
get_filename_component(fontes_windows ${CMAKE_CURRENT_LIST_DIR}/../windows ABSOLUTE)
list(APPEND fontes_edicao
  $<IF:$<PLATFORM_ID:Windows>,${fontes_windows}/arquivos.cpp,${fontes}/arquivos_posix.cpp>)

# The background, then the element images in the loader's order.
set(imagens_jogo chao.bmp parede.bmp monstro0.bmp monstro1.bmp avatar0.bmp avatar1.bmp)
# The boards the game ships, relative to data/: the sample board first.
set(tabuleiros_jogo tabuleiro.map boards/avatares.map boards/campo.map boards/corredor.map)
