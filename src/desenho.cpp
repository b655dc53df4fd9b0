// Drawing the board into a bitmap.
#include "desenho.h"

#include "tabuleiro.h"

int rotacionar_objeto(int direcao) {
    switch (direcao) {
    case DIREITA: return -32;
    case CIMA: return 128;
    case ESQUERDA: return 32;
    default: return 0;
    }
}

// A moving element is drawn half a cell back towards where it came from.
static void desenhar_elemento(BITMAP* destino, const Elemento* e, int x, int y) {
    int px = x * TAMANHO_CELULA, py = y * TAMANHO_CELULA;
    if (e->movendo) {
        int dx, dy;
        deslocamento(e->direcao, &dx, &dy);
        px -= dx * MEIA_CELULA;
        py -= dy * MEIA_CELULA;
    }
    BITMAP* imagem = e->movendo ? e->imagem_movendo : e->imagem_parado;
    rotate_sprite(destino, imagem, px, py, itofix(rotacionar_objeto(e->direcao)));
}

void desenhar_tabuleiro(BITMAP* destino, BITMAP* fundo) {
    blit(fundo, destino, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
    // A background smaller than the window would leave last frame's sprites
    // beside it: the part it does not cover is cleared to black.
    if (fundo->w < LARGURA_JANELA)
        rectfill(destino, fundo->w, 0, LARGURA_JANELA - 1, ALTURA_JANELA - 1, 0);
    if (fundo->h < ALTURA_JANELA)
        rectfill(destino, 0, fundo->h, LARGURA_JANELA - 1, ALTURA_JANELA - 1, 0);
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            if (mapa[x][y] != NULL) desenhar_elemento(destino, mapa[x][y], x, y);
}
