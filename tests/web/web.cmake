# For web/CMakeLists.txt: the page in headless Chromium (Debian's), driven by
# puppeteer-core from npm at the version package-lock.json pins, no browser
# downloaded; and the native window it must match, on a private Xvfb.
set(testes_web ${CMAKE_CURRENT_LIST_DIR})
set(npm_web ${PROJECT_BINARY_DIR}/npm)
add_custom_command(OUTPUT ${npm_web}/node_modules/.package-lock.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${npm_web}
  COMMAND ${CMAKE_COMMAND} -E copy ${testes_web}/package.json ${testes_web}/package-lock.json ${npm_web}
  COMMAND ${CMAKE_COMMAND} -E env PUPPETEER_SKIP_DOWNLOAD=1
    npm ci --prefix ${npm_web} --no-audit --no-fund --loglevel=error
  DEPENDS ${testes_web}/package.json ${testes_web}/package-lock.json
  COMMENT "Installing puppeteer-core from the lockfile")
add_custom_target(testes_web DEPENDS ${npm_web}/node_modules/.package-lock.json)

add_test(NAME web.janela_nativa COMMAND ${testes_web}/janela_nativa.sh
  ${TABULEIRO2_NATIVO}/tabuleiro2 ${TABULEIRO2_NATIVO}/tabuleiro2-editor ${TABULEIRO2_NATIVO}/data
  ${testes_web}/pintado.map ${PROJECT_BINARY_DIR}/nativa)
# Each page's tests on the zip's folder, served as a host serves it:
# node TEST.mjs FOLDER NATIVE_CAPTURES NODE_MODULES ...
set(alem_editor ${TABULEIRO2_NATIVO}/tabuleiro2-editor ${testes_web}/pintado.map)
foreach(teste editor app paginas)
  add_test(NAME web.${teste} COMMAND node ${testes_web}/${teste}.mjs
    ${pasta_zip} ${PROJECT_BINARY_DIR}/nativa ${npm_web}/node_modules ${alem_${teste}})
  set_tests_properties(web.${teste} PROPERTIES FIXTURES_REQUIRED nativa LABELS web TIMEOUT 180)
endforeach()
set_tests_properties(web.janela_nativa PROPERTIES FIXTURES_SETUP nativa LABELS web TIMEOUT 180)
