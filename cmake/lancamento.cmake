# The release at the top of debian/changelog, which must be the version
# given, dates everything the builds make: EPOCA_LANCAMENTO, its time in
# seconds (the SOURCE_DATE_EPOCH of the .deb and of the zips), and
# DATA_LANCAMENTO, its day (YYYY-MM-DD, for the metainfo).
# Usage: lancamento(VERSION)
function(lancamento versao)
  get_filename_component(changelog ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../debian/changelog ABSOLUTE)
  foreach(campo Version Timestamp)
    execute_process(COMMAND dpkg-parsechangelog -l ${changelog} -S${campo}
      OUTPUT_VARIABLE ${campo} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  if(NOT Version STREQUAL versao)
    message(FATAL_ERROR "debian/changelog is at ${Version}, the project at ${versao}")
  endif()
  set(antes "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} ${Timestamp}) # string(TIMESTAMP) takes it for "now"
  string(TIMESTAMP dia "%Y-%m-%d" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${antes}")
  set(EPOCA_LANCAMENTO ${Timestamp} PARENT_SCOPE)
  set(DATA_LANCAMENTO ${dia} PARENT_SCOPE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
endfunction()
