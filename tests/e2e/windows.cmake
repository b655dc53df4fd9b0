# Included by windows/CMakeLists.txt: a Wine prefix holding the unpacked zip, made once per
# run; the Linux scripts on its .exe, one at a time (one Wine server, one display).
set(prefixo ${PROJECT_BINARY_DIR}/prefixo_wine)
add_test(NAME windows.preparar COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine.sh criar ${prefixo}
  ${PROJECT_BINARY_DIR}/${nome_zip}.zip)
add_test(NAME windows.limpar COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine.sh remover ${prefixo})
set_tests_properties(windows.preparar PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(windows.limpar PROPERTIES FIXTURES_CLEANUP wine LABELS windows)
foreach(teste janela andar falhas_inicio)
  add_test(NAME windows.${teste} COMMAND ${CMAKE_CURRENT_LIST_DIR}/${teste}.sh
    ${prefixo}/drive_c/tabuleiro2/tabuleiro2.exe ${prefixo}/drive_c/tabuleiro2)
  set_tests_properties(windows.${teste} PROPERTIES FIXTURES_REQUIRED wine LABELS windows
    ENVIRONMENT E2E_WINE=${prefixo} RESOURCE_LOCK wine)
endforeach()
