// Board and rules: one element's turn and the one-cell move.
#include "tabuleiro.h"

#include <cstdlib>

Elemento* mapa[LARGURA_TABULEIRO][ALTURA_TABULEIRO];
int passo;
int jogada;

Elemento::Elemento(int tipo, BITMAP* imagem_movendo, BITMAP* imagem_parado)
    : tipo(tipo), direcao(PARADO), ultima_jogada(0), movendo(false), imagem_movendo(imagem_movendo),
      imagem_parado(imagem_parado) {}

void deslocamento(int direcao, int* dx, int* dy) {
    static const int passos[5][2] = {{0, 0}, {1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    int d = (direcao >= DIREITA && direcao <= BAIXO) ? direcao : PARADO;
    *dx = passos[d][0];
    *dy = passos[d][1];
}

// The first arrow held wins, in this order.
static int ler_setas() {
    if (key[KEY_UP]) return CIMA;
    if (key[KEY_DOWN]) return BAIXO;
    if (key[KEY_LEFT]) return ESQUERDA;
    if (key[KEY_RIGHT]) return DIREITA;
    return PARADO;
}

int executar_elemento(int x, int y) {
    Elemento* e = mapa[x][y];
    if (e == NULL) return 0;
    if (passo == 1) {
        e->movendo = false;
        return 0;
    }
    // One that moved right or down this frame is met again later in the
    // same pass; the stamp keeps it from acting twice. Every stamp starts
    // at 0, equal to jogada in frame 0: no element acts in frame 0.
    if (e->ultima_jogada == jogada) return 0;
    e->ultima_jogada = jogada;
    if (e->tipo == MONSTRO)
        e->direcao = rand() % 5;
    else if (e->tipo == AVATAR)
        e->direcao = ler_setas();
    else
        return 0;
    // It turns to face its choice even when the move is blocked.
    mover_elemento(x, y);
    return 1;
}

int mover_elemento(int x, int y) {
    Elemento* e = mapa[x][y];
    if (e == NULL) return 0;
    int dx, dy;
    deslocamento(e->direcao, &dx, &dy);
    int nx = x + dx, ny = y + dy;
    if (nx < 0 || nx >= LARGURA_TABULEIRO || ny < 0 || ny >= ALTURA_TABULEIRO) return 0;
    if (mapa[nx][ny] != NULL) return 0; // PARADO ends here: its target is its own cell
    e->movendo = true;
    mapa[nx][ny] = e;
    mapa[x][y] = NULL;
    return 1;
}

void esvaziar_tabuleiro() {
    for (auto& coluna : mapa)
        for (Elemento*& e : coluna) {
            delete e;
            e = NULL;
        }
}
