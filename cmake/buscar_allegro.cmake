# Fetches Allegro's upstream source from Debian's source archive and unpacks
# it into DESTINO. The mirror and suites are the machine's own, read from its
# apt sources; apt's state lives in PASTA, so the machine's is never touched.
# The tarball is checked against the .dsc, the .dsc against the signed index.
# Every port (windows/, web/) unpacks from the same PASTA, so the tarball is
# fetched and checked once for all of them.
# Usage: cmake -DPASTA=dir -DDESTINO=dir -P buscar_allegro.cmake
set(pacote allegro4.4)
set(original ${pacote}_4.4.3.1.orig.tar.gz) # the version our patch is for

# The sha256 that the .dsc file $dsc gives for $original, into ${saida}.
function(hash_no_dsc dsc saida)
  file(STRINGS ${dsc} linhas REGEX "^ [0-9a-f]+ [0-9]+ ${original}$")
  foreach(linha IN LISTS linhas) # SHA1, SHA256 and MD5 lines alike
    string(REGEX MATCH "^ ([0-9a-f]+) " _ "${linha}")
    string(LENGTH "${CMAKE_MATCH_1}" tamanho)
    if(tamanho EQUAL 64)
      set(${saida} ${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${dsc} gives no SHA256 for ${original}")
endfunction()

# deb-src entries for the suites and mirrors of the machine's deb entries.
function(escrever_fontes pasta_fontes)
  file(REMOVE_RECURSE ${pasta_fontes})
  if(EXISTS /etc/apt/sources.list.d/debian.sources)
    file(READ /etc/apt/sources.list.d/debian.sources texto)
    string(REGEX REPLACE "(^|\n)Types:[^\n]*" "\\1Types: deb-src" texto "${texto}")
    file(WRITE ${pasta_fontes}/debian.sources "${texto}")
  elseif(EXISTS /etc/apt/sources.list)
    file(STRINGS /etc/apt/sources.list linhas REGEX "^deb[ \t]")
    list(TRANSFORM linhas REPLACE "^deb" "deb-src")
    list(JOIN linhas "\n" texto)
    file(WRITE ${pasta_fontes}/debian.list "${texto}\n")
  else()
    message(FATAL_ERROR "no apt sources on this machine")
  endif()
endfunction()

# Runs apt-get with the private state; its standard output into ${saida}.
function(apt_get saida)
  set(opcoes -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts=${PASTA}/fontes
    -o Dir::State=${PASTA}/estado -o Dir::State::status=${PASTA}/estado/status
    -o Dir::Cache=${PASTA}/cache -o Debug::NoLocking=1)
  execute_process(COMMAND apt-get -q ${opcoes} ${ARGN}
    OUTPUT_VARIABLE texto RESULT_VARIABLE resultado)
  if(NOT resultado EQUAL 0)
    message(FATAL_ERROR "apt-get ${ARGN} failed")
  endif()
  set(${saida} "${texto}" PARENT_SCOPE)
endfunction()

# Downloads url into arquivo, which must have that sha256.
function(baixar_conferido url arquivo sha256)
  file(DOWNLOAD ${url} ${arquivo} EXPECTED_HASH SHA256=${sha256} STATUS estado)
  list(GET estado 0 erro)
  if(NOT erro EQUAL 0)
    message(FATAL_ERROR "download of ${url}: ${estado}")
  endif()
endfunction()

# The .dsc and the tarball, unless a checked pair is here already.
function(baixar)
  file(GLOB dsc ${PASTA}/${pacote}_*.dsc)
  if(dsc AND EXISTS ${PASTA}/${original})
    hash_no_dsc(${dsc} esperado)
    file(SHA256 ${PASTA}/${original} obtido)
    if(obtido STREQUAL esperado)
      return()
    endif()
  endif()
  file(REMOVE ${dsc} ${PASTA}/${original})
  escrever_fontes(${PASTA}/fontes)
  file(MAKE_DIRECTORY ${PASTA}/estado/lists/partial ${PASTA}/cache/archives/partial)
  file(TOUCH ${PASTA}/estado/status)
  apt_get(_ update)
  apt_get(uris source --print-uris ${pacote})
  string(REGEX MATCH "'([^']+)' (${pacote}_[^ ]+\\.dsc) [0-9]+ SHA256:([0-9a-f]+)" _ "${uris}")
  if(NOT CMAKE_MATCH_3)
    message(FATAL_ERROR "apt lists no .dsc for ${pacote}")
  endif()
  set(dsc ${PASTA}/${CMAKE_MATCH_2})
  baixar_conferido(${CMAKE_MATCH_1} ${dsc} ${CMAKE_MATCH_3})
  hash_no_dsc(${dsc} esperado)
  string(REGEX MATCH "'([^']+/${original})'" _ "${uris}")
  baixar_conferido(${CMAKE_MATCH_1} ${PASTA}/${original} ${esperado})
endfunction()

# Two ports built at once wait for each other here.
file(MAKE_DIRECTORY ${PASTA})
file(LOCK ${PASTA}/trava GUARD PROCESS TIMEOUT 1200)
baixar()
set(desempacotado ${DESTINO}.desempacotado)
file(REMOVE_RECURSE ${DESTINO} ${desempacotado})
# Dated now, so that a hunk taken out of a patch rebuilds its file too.
file(ARCHIVE_EXTRACT INPUT ${PASTA}/${original} DESTINATION ${desempacotado} TOUCH)
file(GLOB raiz ${desempacotado}/*)
file(RENAME ${raiz} ${DESTINO})
file(REMOVE_RECURSE ${desempacotado})
