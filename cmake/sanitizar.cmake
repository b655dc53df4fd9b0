# TABULEIRO2_SANITIZAR: everything built with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer; any finding ends the run.
option(TABULEIRO2_SANITIZAR "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TABULEIRO2_SANITIZAR)
  set(TABULEIRO2_FLAGS_SANITIZAR
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${TABULEIRO2_FLAGS_SANITIZAR})
  add_link_options(${TABULEIRO2_FLAGS_SANITIZAR})
endif()
