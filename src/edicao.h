// The board editor's work, apart from its window: painting cells of mapa,
// saving mapa whole as a board file, the window title, and the checker that
// tells where a hand-written board file reads other than it looks.
#ifndef EDICAO_H
#define EDICAO_H

#include "carregador.h"

#include <cstdio>
#include <string>

// Added to the board file's name for the file a save writes before it
// renames it over the board file.
const char* const SUFIXO_TEMPORARIO = ".gravando";

// What the title says besides the file and the brush.
enum { AVISO_NENHUM, AVISO_SAIR, AVISO_FALHA_GRAVAR, AVISO_SOMENTE_LEITURA };

// The cell character of (x, y): '0' for an empty cell.
char caractere_da_celula(int x, int y);

// Puts a new standing element for cell character c in (x, y), or empties
// it for '0'. 1 if the cell changed; 0 if it held that already or lies
// outside the board.
int pintar_celula(int x, int y, char c, BITMAP* const imagens[TOTAL_IMAGENS]);

// Paints with c every cell under the straight line from pixel (x0, y0) to
// pixel (x1, y1) of the window, both ends included. How many cells changed.
int pintar_linha(int x0, int y0, int x1, int y1, char c, BITMAP* const imagens[TOTAL_IMAGENS]);

// Writes mapa to the file nome, 12 lines of 16 cell characters each ended
// by '\n', through a temporary file renamed over it: over the file a
// symbolic link points at, and with the permission bits the board had.
// 1 on success; 0, with the board untouched and a line on standard error,
// if not, or if the board has no write permission bit at all.
int gravar_tabuleiro(const char* nome);

// 1 if the file nome exists with no write permission bit at all.
int somente_leitura(const char* nome);

// The window title: the file's name, '*' when there are unsaved changes,
// the brush and the aviso.
std::string titulo(const char* nome, int alterado, char pincel, int aviso);

// Every thing that makes the loader read arquivo other than it looks as 12
// lines of 16 cells, one "nome:line: finding\n" each; empty when none.
std::string verificar_tabuleiro(FILE* arquivo, const char* nome);

#endif
