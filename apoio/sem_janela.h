// For the tests and the benchmarks: the game's frames on memory bitmaps, without pause; a sprite.
#ifndef SEM_JANELA_H
#define SEM_JANELA_H

#include "tabuleiro.h"
#include "tabuleiro2.h"

#include <cerrno>
#include <cstdlib>

// Allegro's neutral driver, memory bitmaps for screen, buffer and a green floor; 0 if it failed.
inline int iniciar_sem_janela() {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 0;
    set_color_depth(PROFUNDIDADE_COR);
    screen = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    clear_to_color(chao, makecol(0, 120, 0));
    return 1;
}

// A solid sprite with a white top-left corner (a turn shows) and a see-through bottom-right one.
inline BITMAP* criar_sprite(int r, int g, int b) {
    BITMAP* s = create_bitmap(TAMANHO_CELULA, TAMANHO_CELULA);
    clear_to_color(s, makecol(r, g, b));
    rectfill(s, 0, 0, 9, 9, makecol(255, 255, 255));
    const int fim = TAMANHO_CELULA - 1;
    triangle(s, fim, fim, fim, MEIA_CELULA, MEIA_CELULA, fim, bitmap_mask_color(s));
    return s;
}

// Frames of the game's own loop; the pause they ask for is noted, not waited.
inline unsigned pausa_pedida;
inline void rodar_quadros(int quantos) {
    while (quantos-- > 0)
        executar_quadro([](unsigned ms) { pausa_pedida = ms; });
}

#endif
