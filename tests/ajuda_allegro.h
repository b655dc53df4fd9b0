// Test helpers: Allegro without a window, boards drawn as text, frames
// run without the pause.
#ifndef AJUDA_ALLEGRO_H
#define AJUDA_ALLEGRO_H

#include <allegro.h>

#include <string>
#include <vector>

// Rows of the board as text: '.' empty, '1' wall, '2' monster, '3' avatar.
// Fewer than 12 rows or 16 columns leave the rest empty.
typedef std::vector<std::string> Desenho;

// Fills the empty board from a drawing; images are left null.
void montar_tabuleiro(const Desenho& desenho);

// The board as a full 16 x 12 drawing.
Desenho desenho_do_tabuleiro();

// A drawing padded with '.' to the full 16 x 12.
Desenho completar(const Desenho& desenho);

// Deletes every element and sets the counters back to frame 0.
void limpar_tabuleiro();

// One frame's turns and counter updates, as the game loop runs them.
void rodar_quadros(int quantos);

// Releases every arrow and Esc.
void soltar_teclas();

// A 50 x 50 sprite with a solid colour and a marked top-left corner, so a
// turn shows in the pixels.
BITMAP* criar_sprite(int r, int g, int b);

#endif
