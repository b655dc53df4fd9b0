# The Windows tests, included by windows/CMakeLists.txt: the zip unpacked
# and a Wine prefix made once per run, then the Linux scripts on the .exe
# under Wine; the prefix and the unpacked zip go at the end.
set(prefixo ${PROJECT_BINARY_DIR}/prefixo_wine)
set(zip_aberto ${PROJECT_BINARY_DIR}/zip_aberto)
set(wine_sh ${CMAKE_CURRENT_LIST_DIR}/wine.sh)
add_test(NAME windows.preparar COMMAND sh -c "rm -rf '${zip_aberto}' && mkdir '${zip_aberto}' &&
  cd '${zip_aberto}' && unzip -q '${PROJECT_BINARY_DIR}/${nome_zip}.zip' && bash '${wine_sh}' criar '${prefixo}'")
add_test(NAME windows.limpar COMMAND sh -c "bash '${wine_sh}' remover '${prefixo}'; rm -rf '${zip_aberto}'")
set_tests_properties(windows.preparar PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(windows.limpar PROPERTIES FIXTURES_CLEANUP wine)
foreach(teste janela andar falhas_inicio)
  add_test(NAME windows.${teste}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/${teste}.sh ${zip_aberto}/tabuleiro2.exe ${zip_aberto})
  set_tests_properties(windows.${teste} PROPERTIES FIXTURES_REQUIRED wine
    ENVIRONMENT E2E_WINE=${prefixo})
endforeach()
set_property(TEST windows.preparar windows.limpar windows.janela windows.andar
  windows.falhas_inicio PROPERTY LABELS windows)
# One Wine server per prefix, bound to one X display: one test at a time.
set_property(TEST windows.janela windows.andar windows.falhas_inicio PROPERTY RESOURCE_LOCK wine)
