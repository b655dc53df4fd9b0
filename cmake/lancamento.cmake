# The release at the top of debian/changelog, the one place the version is
# written: VERSAO_TABULEIRO2, which every build takes for its project()
# and every document it makes names; EPOCA_LANCAMENTO, its time in seconds
# (the SOURCE_DATE_EPOCH of the .deb and of the zips); DATA_LANCAMENTO, its
# day (YYYY-MM-DD, for the metainfo). Included before project().
get_filename_component(changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog ABSOLUTE)
foreach(campo Version Timestamp)
  execute_process(COMMAND dpkg-parsechangelog -l ${changelog} -S${campo}
    OUTPUT_VARIABLE ${campo} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(VERSAO_TABULEIRO2 ${Version})
set(EPOCA_LANCAMENTO ${Timestamp})
# string(TIMESTAMP) takes SOURCE_DATE_EPOCH for "now"; set empty, rather
# than unset, it would fail every compiler check after this (clang's).
set(antes "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${Timestamp})
string(TIMESTAMP DATA_LANCAMENTO "%Y-%m-%d" UTC)
if(antes STREQUAL "")
  unset(ENV{SOURCE_DATE_EPOCH})
else()
  set(ENV{SOURCE_DATE_EPOCH} "${antes}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
