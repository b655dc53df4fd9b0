// Board file loader. The board file holds one character per cell: '0'
// empty, '1' wall, '2' monster, '3' avatar; every other character is
// skipped, so line breaks carry no meaning and only the cell characters
// count, filling the board row by row.
#include "carregador.h"

#include "falhas.h"
#include "tabuleiro.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

const char* const ARQUIVO_TABULEIRO = "tabuleiro.map";
const char* const ARQUIVO_CHAO = "chao.bmp";
const char* const ARQUIVOS_IMAGENS[TOTAL_IMAGENS] = {
    "parede.bmp", "monstro0.bmp", "monstro1.bmp", "avatar0.bmp", "avatar1.bmp",
};

int ocupa_celula(int c) {
    return c >= '0' && c <= '3';
}

Elemento* criar_elemento(char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    switch (c) {
    case '1': return new Elemento(PAREDE, imagens[IMAGEM_PAREDE], imagens[IMAGEM_PAREDE]);
    case '2':
        return new Elemento(MONSTRO, imagens[IMAGEM_MONSTRO_MOVENDO],
                            imagens[IMAGEM_MONSTRO_PARADO]);
    case '3':
        return new Elemento(AVATAR, imagens[IMAGEM_AVATAR_MOVENDO], imagens[IMAGEM_AVATAR_PARADO]);
    default: return NULL;
    }
}

void ler_tabuleiro(FILE* arquivo, BITMAP* const imagens[TOTAL_IMAGENS]) {
    // A full board ignores whatever follows, so the rest is left unread.
    for (int n = 0; n < CELULAS;) {
        int c = fgetc(arquivo);
        if (c == EOF) break; // end of file and read errors alike
        if (!ocupa_celula(c)) continue;
        mapa[n % LARGURA_TABULEIRO][n / LARGURA_TABULEIRO] = criar_elemento((char)c, imagens);
        n++;
    }
}

FILE* abrir_tabuleiro(const char* nome) {
    FILE* arquivo = fopen(nome, "r");
    if (arquivo == NULL) return NULL;
    // A directory opens, but its first read fails: it is no board file.
    int primeiro = fgetc(arquivo);
    if (ferror(arquivo)) {
        int erro = errno;
        fclose(arquivo);
        errno = erro;
        return NULL;
    }
    ungetc(primeiro, arquivo);
    return arquivo;
}

void construir() {
    FILE* arquivo = abrir_tabuleiro(ARQUIVO_TABULEIRO);
    if (arquivo == NULL) {
        printf("Arquivo nao pode ser aberto\n");
        exit(SAIDA_SEM_TABULEIRO);
    }
    // Every element of a kind shares these; they last until the process ends.
    BITMAP* imagens[TOTAL_IMAGENS];
    for (int i = 0; i < TOTAL_IMAGENS; i++) {
        imagens[i] = carregar_imagem(ARQUIVOS_IMAGENS[i]);
        exigir_imagem(imagens[i], ARQUIVOS_IMAGENS[i]);
    }
    ler_tabuleiro(arquivo, imagens);
    fclose(arquivo);
}

static uint32_t ler_32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | (uint32_t)p[3] << 24;
}

static uint32_t ler_16(const unsigned char* p) {
    return p[0] | p[1] << 8;
}

// Allegro takes a BMP on trust: one cut short loads with the missing pixels
// left as whatever memory held, and absurd sizes overflow its arithmetic.
// 1 for an uncompressed BMP of sane size that is as long as its header says.
static int bmp_seguro(const char* nome) {
    FILE* f = fopen(nome, "rb");
    if (f == NULL) return 0;
    unsigned char c[34] = {0};
    size_t lidos = fread(c, 1, sizeof c, f);
    int erro = fseek(f, 0, SEEK_END);
    long tamanho = ftell(f);
    fclose(f);
    if (lidos < 26 || erro != 0 || tamanho < 0 || c[0] != 'B' || c[1] != 'M') return 0;
    int64_t largura, altura, bits, compressao = 0;
    if (ler_32(c + 14) == 12) { // the old OS/2 header
        largura = ler_16(c + 18);
        altura = ler_16(c + 20);
        bits = ler_16(c + 24);
    } else if (ler_32(c + 14) == 40 && lidos == sizeof c) {
        largura = (int32_t)ler_32(c + 18);
        altura = (int32_t)ler_32(c + 22);
        bits = ler_16(c + 28);
        compressao = ler_32(c + 30);
    } else {
        return 0;
    }
    // Plain rows or rows with colour masks; the game needs no other kind.
    if (compressao != 0 && compressao != 3) return 0;
    if (largura < 1 || largura > LADO_MAXIMO_IMAGEM || altura < 1 || altura > LADO_MAXIMO_IMAGEM)
        return 0;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return 0;
    int64_t linha = (largura * bits + 31) / 32 * 4; // rows are padded to 4 bytes
    return tamanho >= (int64_t)ler_32(c + 10) + linha * altura;
}

BITMAP* carregar_imagem(const char* nome) {
    return bmp_seguro(nome) ? load_bitmap(nome, NULL) : NULL;
}

void exigir_imagem(BITMAP* imagem, const char* nome) {
    if (imagem == NULL) falhar("Imagem nao pode ser carregada", nome);
}
