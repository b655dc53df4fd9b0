# The build tree as a place to play (`make play`): the boards copied into
# data/ beside the images the art tool draws there, and the launcher
# `build/jogar [board]` that starts the game in it.
set(dados ${PROJECT_BINARY_DIR}/data)
foreach(t IN LISTS tabuleiros_jogo)
  add_custom_command(OUTPUT ${dados}/${t}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/${t} ${dados}/${t}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/${t})
  list(APPEND copias ${dados}/${t})
endforeach()
add_custom_target(dados ALL DEPENDS ${copias})
add_dependencies(dados arte)

set(DADOS_RELATIVO data)
set(JOGO_RELATIVO tabuleiro2)
configure_file(linux/lancador.sh.in jogar
  @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)
