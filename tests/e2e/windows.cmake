# For windows/CMakeLists.txt: per run, one Wine prefix holding the unpacked zip, one test at a time.
set(e2e ${CMAKE_CURRENT_LIST_DIR})
set(prefixo ${PROJECT_BINARY_DIR}/prefixo_wine)
add_test(NAME windows.preparar
  COMMAND bash ${e2e}/wine.sh criar ${prefixo} ${PROJECT_BINARY_DIR}/${nome_zip}.zip)
add_test(NAME windows.limpar COMMAND bash ${e2e}/wine.sh remover ${prefixo})
set_tests_properties(windows.preparar PROPERTIES FIXTURES_SETUP wine LABELS windows)
set_tests_properties(windows.limpar PROPERTIES FIXTURES_CLEANUP wine LABELS windows)
set(pasta ${prefixo}/drive_c/tabuleiro2)
include(${e2e}/roteiros.cmake)
testes_e2e(windows ${pasta}/tabuleiro2.exe ${pasta} ${pasta}/tabuleiro2-editor.exe)
# jogar.bat with no board plays the sample one in its own folder, from any folder.
add_test(NAME windows.jogar_bat COMMAND ${e2e}/janela.sh ${pasta}/jogar.bat ${pasta})
set_tests_properties(${TESTES_E2E} windows.jogar_bat
  PROPERTIES
  FIXTURES_REQUIRED wine LABELS windows ENVIRONMENT E2E_WINE=${prefixo} RESOURCE_LOCK wine)
# Allegro's Windows start-up asks for a 1 ms timer and gives it back at exit (allegro.patch), or
# rest(100) lasts about 109 ms on Windows: each .exe imports both calls from winmm.
add_test(NAME windows.relogio COMMAND bash -c [[
for exe; do for f in timeBeginPeriod timeEndPeriod; do
  "$0" -p "$exe" | grep -qw "$f" || { echo "FAIL: $exe does not import $f"; exit 1; }
done; done; echo "both .exe import timeBeginPeriod and timeEndPeriod"]] ${CMAKE_OBJDUMP} ${exes})
set_tests_properties(windows.relogio PROPERTIES LABELS windows)
