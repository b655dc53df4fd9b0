// Board file loader: reads "tabuleiro.map", loads the element images and
// fills mapa with new elements; names the files the game's data folder holds.
#ifndef CARREGADOR_H
#define CARREGADOR_H

#include "tabuleiro.h"

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
extern const char* const ARQUIVO_CHAO;                    // "chao.bmp", the background
extern const char* const ARQUIVOS_IMAGENS[TOTAL_IMAGENS]; // indexed as above

// Opens the board file, loads the images and fills mapa. When the board
// file cannot be opened, or its first read fails (a folder), it prints
// "Arquivo nao pode ser aberto" on standard output and ends the process
// with SAIDA_SEM_TABULEIRO; a read error after that ends the board there,
// as its end would. Called once, by the start-up.
void construir();

const int LADO_MAXIMO_IMAGEM = 4096; // pixels, each way

// Loads a whole BMP image; NULL when it is missing, unreadable, not an
// uncompressed BMP of at most LADO_MAXIMO_IMAGEM each way, or cut short.
BITMAP* carregar_imagem(const char* nome);

// A board file open for reading, or NULL (errno set) when it cannot be
// opened or is no file at all, as a folder.
FILE* abrir_tabuleiro(const char* nome);

// Ends the start-up (falhar in falhas.h), naming the file, when its image
// did not load: nothing is ever drawn with a null image.
void exigir_imagem(BITMAP* imagem, const char* nome);

// 1 for the characters that take up a cell ('0' to '3'), 0 for those skipped.
int ocupa_celula(int c);

// A new element, standing, for a cell character with its kind's images;
// NULL for '0' and any character that is not a cell character.
Elemento* criar_elemento(char c, BITMAP* const imagens[TOTAL_IMAGENS]);

// Places one new element per cell character of arquivo, row by row, until
// end of file, a read error or a full board. Called by construir.
void ler_tabuleiro(FILE* arquivo, BITMAP* const imagens[TOTAL_IMAGENS]);

#endif
