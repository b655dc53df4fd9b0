// Drawing the board: where each element goes in the picture, with which
// image and turned how. The game draws every frame with it and the board
// editor its standing board.
#ifndef DESENHO_H
#define DESENHO_H

#include <allegro.h>

const int LARGURA_JANELA = 800;
const int ALTURA_JANELA = 600;
const int TAMANHO_CELULA = 50; // pixels; 16 x 12 cells fill the window
const int MEIA_CELULA = 25;    // the slide's half-way shift

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
