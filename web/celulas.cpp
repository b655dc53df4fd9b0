// For the editor's web page, which keeps the board being painted as a
// draft at every change: the board's cells as the editor would save them.
#include "edicao.h"

#include <emscripten.h>

static char celulas[CELULAS];

// The board's cells now, row by row, one cell character each (no line ends).
extern "C" EMSCRIPTEN_KEEPALIVE const char* web_celulas() {
    for (int y = 0; y < ALTURA_TABULEIRO; y++)
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            celulas[y * LARGURA_TABULEIRO + x] = caractere_da_celula(x, y);
    return celulas;
}
