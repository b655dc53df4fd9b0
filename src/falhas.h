// Start-up failures: the exit statuses both programs end with when they
// cannot go on, and falhar, which ends every failed start-up but one: a
// game board file that cannot be opened, which construir (carregador.h)
// reports on standard output with SAIDA_SEM_TABULEIRO.
#ifndef FALHAS_H
#define FALHAS_H

#include <cstdio>
#include <cstdlib>

const int SAIDA_SEM_TABULEIRO = 1; // the game's board file cannot be opened
const int SAIDA_ACHADOS = 1;       // the editor's check found something
const int SAIDA_FALHA_INICIO = 2;  // any other start-up failure

// Prints "o_que: motivo" on standard error and ends with SAIDA_FALHA_INICIO.
[[noreturn]] inline void falhar(const char* o_que, const char* motivo) {
    fprintf(stderr, "%s: %s\n", o_que, motivo);
    exit(SAIDA_FALHA_INICIO);
}

#endif
