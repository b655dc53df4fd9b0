# The end-to-end scripts every build runs, one test each: PREFIXO.janela,
# .andar and .falhas_inicio on the game JOGO with the images of folder
# DADOS, PREFIXO.editor on the editor EDITOR; their names in TESTES_E2E.
function(testes_e2e prefixo jogo dados editor)
  set(e2e ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  set(nomes janela andar falhas_inicio)
  foreach(teste IN LISTS nomes)
    add_test(NAME ${prefixo}.${teste} COMMAND ${e2e}/${teste}.sh ${jogo} ${dados})
  endforeach()
  add_test(NAME ${prefixo}.editor COMMAND ${e2e}/editor.sh ${editor})
  list(APPEND nomes editor)
  list(TRANSFORM nomes PREPEND ${prefixo}.)
  set(TESTES_E2E ${nomes} PARENT_SCOPE)
endfunction()
