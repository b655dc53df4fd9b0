// Helpers for the tests and the benchmark: Allegro without a window, boards
// as text, the game's own frames without their pause, a test sprite.
#ifndef AJUDA_H
#define AJUDA_H

#include "tabuleiro.h"
#include "tabuleiro2.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

// Allegro's neutral system driver, and memory bitmaps for the screen, the
// back buffer and a green background, so that the game's frames run. 0 when
// Allegro did not start.
inline int iniciar_sem_janela() {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 0;
    set_color_depth(PROFUNDIDADE_COR);
    screen = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    clear_to_color(chao, makecol(0, 120, 0));
    return 1;
}

// A solid 50 x 50 sprite with a white top-left corner, so a turn shows,
// and a see-through bottom-right corner, as the game's images have.
inline BITMAP* criar_sprite(int r, int g, int b) {
    BITMAP* s = create_bitmap(TAMANHO_CELULA, TAMANHO_CELULA);
    clear_to_color(s, makecol(r, g, b));
    rectfill(s, 0, 0, 9, 9, makecol(255, 255, 255));
    triangle(s, 49, 49, 49, 25, 25, 49, bitmap_mask_color(s));
    return s;
}

inline std::string repetir(const std::string& s, int vezes) {
    return vezes > 0 ? s + repetir(s, vezes - 1) : "";
}

// Rows of the board: '1' wall, '2' monster, '3' avatar, anything else empty.
typedef std::vector<std::string> Desenho;

// New elements as drawn, all with the same two images (grey by default).
inline void montar_tabuleiro(const Desenho& d, BITMAP* movendo = NULL, BITMAP* parado = NULL) {
    static BITMAP* cinza = criar_sprite(90, 90, 90);
    for (int y = 0; y < (int)d.size(); y++)
        for (int x = 0; x < (int)d[y].size(); x++)
            if (d[y][x] >= '1' && d[y][x] <= '3')
                mapa[x][y] =
                    new Elemento(d[y][x] - '0', movendo ? movendo : cinza, parado ? parado : cinza);
}

// The board as a drawing of 12 rows of 16, '.' for an empty cell.
inline Desenho tabuleiro() {
    Desenho d(ALTURA_TABULEIRO, std::string(LARGURA_TABULEIRO, '.'));
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            if (mapa[x][y] != NULL) d[y][x] = (char)('0' + mapa[x][y]->tipo);
    return d;
}

// A short drawing padded with '.' to the full board.
inline Desenho completar(Desenho d) {
    d.resize(ALTURA_TABULEIRO);
    for (std::string& linha : d)
        linha.resize(LARGURA_TABULEIRO, '.');
    return d;
}

// Frames of the game's own loop; the pause they ask for is noted, not waited.
inline unsigned pausa_pedida;
inline void rodar_quadros(int quantos) {
    while (quantos-- > 0)
        executar_quadro([](unsigned ms) { pausa_pedida = ms; });
}

// Deletes every element, goes back to frame 0 and releases every key.
inline void limpar_tabuleiro() {
    esvaziar_tabuleiro();
    passo = jogada = 0;
    sair = false;
    for (int k : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ESC})
        key[k] = 0;
}

#endif
