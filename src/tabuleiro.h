// Board and rules: the 16 x 12 grid, the elements in it, the two frame
// counters and each element's turn. Draws nothing; from Allegro it only
// reads key[] and carries image pointers.
#ifndef TABULEIRO_H
#define TABULEIRO_H

#include <allegro.h>

const int LARGURA_TABULEIRO = 16; // columns, x from 0 to 15
const int ALTURA_TABULEIRO = 12;  // rows, y from 0 to 11
const int CELULAS = LARGURA_TABULEIRO * ALTURA_TABULEIRO;

// Element kinds; the same digits stand for them in the board file.
enum { PAREDE = 1, MONSTRO = 2, AVATAR = 3 };

// Directions; any other value counts as PARADO.
enum { PARADO = 0, DIREITA = 1, CIMA = 2, ESQUERDA = 3, BAIXO = 4 };

class Elemento {
  public:
    int tipo;
    int direcao;       // chosen at its last acting turn
    int ultima_jogada; // jogada when it was last stamped
    bool movendo;      // true from a successful move to the next resting frame
    BITMAP* imagem_movendo;
    BITMAP* imagem_parado;

    Elemento(int tipo, BITMAP* imagem_movendo, BITMAP* imagem_parado);
};

extern Elemento* mapa[LARGURA_TABULEIRO][ALTURA_TABULEIRO]; // null: empty cell
extern int passo;  // 0 in an acting frame, 1 in a resting frame
extern int jogada; // frames completed since start-up; also the turn stamp

// Column and row step of a direction: (0, 0) for PARADO and unknown codes.
void deslocamento(int direcao, int* dx, int* dy);

// The turn, in this frame, of whatever is in (x, y). 1 if an element chose
// a direction and tried to move, 0 otherwise. Called by the frame loop.
int executar_elemento(int x, int y);

// Moves the element in (x, y) one cell its direcao way. 1 if it moved.
int mover_elemento(int x, int y);

// Deletes every element of mapa and leaves each cell empty.
void esvaziar_tabuleiro();

#endif
