# The end-to-end scripts every build runs, named PREFIXO.SCRIPT, their names in TESTES_E2E.
function(testes_e2e prefixo jogo dados editor)
  set(e2e ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
  foreach(teste janela falhas_inicio)
    add_test(NAME ${prefixo}.${teste} COMMAND ${e2e}/${teste}.sh ${jogo} ${dados})
  endforeach()
  add_test(NAME ${prefixo}.editor COMMAND ${e2e}/editor.sh ${editor})
  set(TESTES_E2E ${prefixo}.janela ${prefixo}.falhas_inicio ${prefixo}.editor PARENT_SCOPE)
endfunction()
