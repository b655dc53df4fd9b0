// Board file loader: reads "tabuleiro.map", loads the element images and
// fills mapa with new elements.
#ifndef CARREGADOR_H
#define CARREGADOR_H

#include <allegro.h>
#include <cstdio>

// The element images, in the order they are loaded.
enum {
    IMAGEM_PAREDE,
    IMAGEM_MONSTRO_MOVENDO,
    IMAGEM_MONSTRO_PARADO,
    IMAGEM_AVATAR_MOVENDO,
    IMAGEM_AVATAR_PARADO,
    TOTAL_IMAGENS
};

extern const char* const ARQUIVO_TABULEIRO;               // "tabuleiro.map"
extern const char* const ARQUIVOS_IMAGENS[TOTAL_IMAGENS]; // indexed as above

// Opens the board file, loads the images and fills mapa. When the board
// file cannot be opened it prints the message and ends the process with 1.
// Called once, by the start-up.
void construir();

// Places one new element per cell character of arquivo, row by row, until
// end of file, a read error or a full board. Called by construir.
void ler_tabuleiro(FILE* arquivo, BITMAP* const imagens[TOTAL_IMAGENS]);

#endif
