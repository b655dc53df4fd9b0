// Board file loader. The board file holds one character per cell: '0'
// empty, '1' wall, '2' monster, '3' avatar; every other character is
// skipped, so line breaks carry no meaning and only the cell characters
// count, filling the board row by row.
#include "carregador.h"

#include "tabuleiro.h"

#include <cstdlib>

const char* const ARQUIVO_TABULEIRO = "tabuleiro.map";
const char* const ARQUIVOS_IMAGENS[TOTAL_IMAGENS] = {
    "parede.bmp", "monstro0.bmp", "monstro1.bmp", "avatar0.bmp", "avatar1.bmp",
};

// A new element for a cell character, or NULL for '0'.
static Elemento* criar_elemento(char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    switch (c) {
    case '1': return new Elemento(PAREDE, imagens[IMAGEM_PAREDE], imagens[IMAGEM_PAREDE]);
    case '2':
        return new Elemento(MONSTRO, imagens[IMAGEM_MONSTRO_MOVENDO],
                            imagens[IMAGEM_MONSTRO_PARADO]);
    case '3':
        return new Elemento(AVATAR, imagens[IMAGEM_AVATAR_MOVENDO],
                            imagens[IMAGEM_AVATAR_PARADO]);
    default: return NULL;
    }
}

void ler_tabuleiro(FILE* arquivo, BITMAP* const imagens[TOTAL_IMAGENS]) {
    const int celulas = LARGURA_TABULEIRO * ALTURA_TABULEIRO;
    // A full board ignores whatever follows, so the rest is left unread.
    for (int n = 0; n < celulas;) {
        int c = fgetc(arquivo);
        if (c == EOF) break; // end of file and read errors alike
        if (c < '0' || c > '3') continue;
        mapa[n % LARGURA_TABULEIRO][n / LARGURA_TABULEIRO] = criar_elemento((char)c, imagens);
        n++;
    }
}

void construir() {
    FILE* arquivo = fopen(ARQUIVO_TABULEIRO, "r");
    if (arquivo == NULL) {
        printf("Arquivo nao pode ser aberto\n");
        exit(1);
    }
    // Every element of a kind shares these; they last until the process ends.
    BITMAP* imagens[TOTAL_IMAGENS];
    for (int i = 0; i < TOTAL_IMAGENS; i++) imagens[i] = load_bitmap(ARQUIVOS_IMAGENS[i], NULL);
    ler_tabuleiro(arquivo, imagens);
    fclose(arquivo);
}
