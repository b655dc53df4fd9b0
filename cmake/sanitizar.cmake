# TABULEIRO2_SANITIZAR: everything built with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any finding ends the run.
option(TABULEIRO2_SANITIZAR "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TABULEIRO2_SANITIZAR)
  set(TABULEIRO2_FLAGS_SANITIZAR
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  # Allegro's inline fixed-point code shifts negative values: see the list.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    list(APPEND TABULEIRO2_FLAGS_SANITIZAR
      -fsanitize-ignorelist=${CMAKE_CURRENT_LIST_DIR}/sanitizar_allegro.txt)
  else()
    list(APPEND TABULEIRO2_FLAGS_SANITIZAR -fno-sanitize=shift-base)
  endif()
  add_compile_options(${TABULEIRO2_FLAGS_SANITIZAR})
  add_link_options(${TABULEIRO2_FLAGS_SANITIZAR})
endif()
