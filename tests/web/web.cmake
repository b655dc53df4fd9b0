# For web/CMakeLists.txt: the native window, then the pages in Debian's three browser engines.
set(testes_web ${CMAKE_CURRENT_LIST_DIR})
set(npm_web ${PROJECT_BINARY_DIR}/npm)
add_custom_command(OUTPUT ${npm_web}/node_modules/.package-lock.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${npm_web}
  COMMAND ${CMAKE_COMMAND} -E copy ${testes_web}/package.json ${testes_web}/package-lock.json ${npm_web}
  COMMAND ${CMAKE_COMMAND} -E env PUPPETEER_SKIP_DOWNLOAD=1
    npm ci --prefix ${npm_web} --no-audit --no-fund --loglevel=error
  DEPENDS ${testes_web}/package.json ${testes_web}/package-lock.json
  COMMENT "Installing the browser clients from the lockfile")
add_custom_target(testes_web DEPENDS ${npm_web}/node_modules/.package-lock.json)

add_test(NAME web.janela_nativa COMMAND ${testes_web}/../e2e/janela.sh
  ${TABULEIRO2_NATIVO}/tabuleiro2 ${TABULEIRO2_NATIVO}/data ${PROJECT_BINARY_DIR}/nativa)
set_tests_properties(web.janela_nativa PROPERTIES FIXTURES_SETUP nativa LABELS web TIMEOUT 180)
# web.TEST.ENGINE: node TEST.mjs ENGINE ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES NATIVE_EDITOR
# PAINTED; WebKit's on an X display of its own.
set(em_x_webkit ${testes_web}/../../apoio/com_xvfb.sh)
foreach(motor chromium firefox webkit)
  foreach(teste editor app paginas)
    add_test(NAME web.${teste}.${motor} COMMAND ${em_x_${motor}} node ${testes_web}/${teste}.mjs ${motor} ${pasta_zip}
      ${PROJECT_BINARY_DIR}/nativa ${npm_web}/node_modules ${TABULEIRO2_NATIVO}/tabuleiro2-editor ${testes_web}/pintado.map)
    set_tests_properties(web.${teste}.${motor} PROPERTIES FIXTURES_REQUIRED nativa LABELS "web;${motor}" TIMEOUT 300)
  endforeach()
endforeach()
