// Drawing the board: where each element goes in the picture, with which
// image and turned how. The game draws every frame with it and the board
// editor its standing board.
#ifndef DESENHO_H
#define DESENHO_H

#include "tabuleiro.h"

#include <allegro.h>

const int TAMANHO_CELULA = 50;                                 // pixels, each way
const int MEIA_CELULA = TAMANHO_CELULA / 2;                    // the slide's half-way shift
const int LARGURA_JANELA = LARGURA_TABULEIRO * TAMANHO_CELULA; // the board fills the window
const int ALTURA_JANELA = ALTURA_TABULEIRO * TAMANHO_CELULA;

// A direction's sprite angle, in Allegro units (256 to a full turn,
// positive clockwise): 0 facing down or standing, as stored; 128, half a
// turn, facing up; -32, an eighth anticlockwise, facing right; 32, an
// eighth clockwise, facing left.
int rotacionar_objeto(int direcao);

// The background, then every element of mapa in board order, so that later
// cells lie on top. Whatever of destino the background leaves uncovered is
// cleared to black.
void desenhar_tabuleiro(BITMAP* destino, BITMAP* fundo);

#endif
