// The board editor's work on mapa and on board files; no window here.
#include "edicao.h"

#include "desenho.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#ifndef NOMINMAX // windows.h would make std::max a macro call
#define NOMINMAX
#endif
#include <winalleg.h>

#include <io.h>
static int sincronizar(FILE* f) {
    return _commit(_fileno(f));
}
// rename does not replace an existing file on Windows.
static int substituir(const char* de, const char* para) {
    return MoveFileExA(de, para, MOVEFILE_REPLACE_EXISTING) ? 0 : -1;
}
#else
#include <unistd.h>
static int sincronizar(FILE* f) {
    return fsync(fileno(f));
}
static int substituir(const char* de, const char* para) {
    return rename(de, para);
}
#endif

const int CELULAS = LARGURA_TABULEIRO * ALTURA_TABULEIRO;
const char* const NOME_EDITOR = "tabuleiro2-editor";
static const char* const NOMES_PINCEIS[] = {"vazio", "parede", "monstro", "avatar"};
static const char* const TEXTOS_AVISOS[] = {"", " - Esc de novo sai sem gravar",
                                            " - falha ao gravar"};

char caractere_da_celula(int x, int y) {
    return mapa[x][y] == NULL ? '0' : (char)('0' + mapa[x][y]->tipo);
}

int pintar_celula(int x, int y, char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    if (x < 0 || x >= LARGURA_TABULEIRO || y < 0 || y >= ALTURA_TABULEIRO) return 0;
    if (caractere_da_celula(x, y) == c) return 0;
    delete mapa[x][y];
    mapa[x][y] = criar_elemento(c, imagens);
    return 1;
}

// The cell a pixel coordinate falls in; -1 left of or above the board.
static int celula(int pixel) {
    return pixel < 0 ? -1 : pixel / TAMANHO_CELULA;
}

int pintar_linha(int x0, int y0, int x1, int y1, char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    int dx = x1 - x0, dy = y1 - y0;
    int passos = std::max(std::abs(dx), std::abs(dy));
    int mudadas = pintar_celula(celula(x0), celula(y0), c, imagens);
    // One step per pixel along the longer axis, so that no cell is jumped over.
    for (int i = 1; i <= passos; i++)
        mudadas +=
            pintar_celula(celula(x0 + dx * i / passos), celula(y0 + dy * i / passos), c, imagens);
    return mudadas;
}

static int falhar_gravacao(const char* nome) {
    fprintf(stderr, "Tabuleiro nao pode ser gravado: %s: %s\n", nome, strerror(errno));
    return 0;
}

int gravar_tabuleiro(const char* nome) {
    char texto[ALTURA_TABULEIRO * (LARGURA_TABULEIRO + 1)];
    int n = 0;
    for (int y = 0; y < ALTURA_TABULEIRO; y++) {
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            texto[n++] = caractere_da_celula(x, y);
        texto[n++] = '\n';
    }
    std::string temporario = std::string(nome) + SUFIXO_TEMPORARIO;
    FILE* f = fopen(temporario.c_str(), "wb");
    if (f == NULL) return falhar_gravacao(nome);
    // Whole on disk before the rename: a crash leaves the old board or the new one.
    int gravado = fwrite(texto, 1, n, f) == (size_t)n && fflush(f) == 0 && sincronizar(f) == 0;
    gravado = fclose(f) == 0 && gravado;
    if (gravado && substituir(temporario.c_str(), nome) == 0) return 1;
    falhar_gravacao(nome);
    remove(temporario.c_str());
    return 0;
}

std::string titulo(const char* nome, int alterado, char pincel, int aviso) {
    return std::string(get_filename(nome)) + (alterado ? "*" : "") +
           " - pincel: " + NOMES_PINCEIS[pincel - '0'] + TEXTOS_AVISOS[aviso] + " - " + NOME_EDITOR;
}

static std::string relatar(const char* nome, int linha, const std::string& achado) {
    return std::string(nome) + ":" + std::to_string(linha) + ": " + achado + "\n";
}

// Skipped characters as C character literals, one after another.
static std::string mostrar(const std::string& caracteres) {
    std::string texto;
    for (unsigned char c : caracteres) {
        char literal[8];
        if (c == '\t')
            snprintf(literal, sizeof literal, " '\\t'");
        else if (isprint(c) && c != '\'' && c != '\\')
            snprintf(literal, sizeof literal, " '%c'", c);
        else
            snprintf(literal, sizeof literal, " '\\x%02x'", c);
        texto += literal;
    }
    return texto;
}

// The findings on one line of the file: its skipped characters, and its
// count of cells when other than a row's.
static std::string achados_da_linha(const char* nome, int linha, int celulas,
                                    const std::string& ignorados) {
    std::string achados;
    if (!ignorados.empty())
        achados += relatar(nome, linha, "caracteres ignorados:" + mostrar(ignorados));
    if (celulas != LARGURA_TABULEIRO)
        achados += relatar(nome, linha,
                           "celulas na linha: " + std::to_string(celulas) + " em vez de " +
                               std::to_string(LARGURA_TABULEIRO));
    return achados;
}

std::string verificar_tabuleiro(FILE* arquivo, const char* nome) {
    int linha = 1, na_linha = 0, celulas = 0, linha_excesso = 0;
    std::string achados, ignorados;
    for (int c = 0; c != EOF;) {
        c = fgetc(arquivo);
        if (c == '\r') { // "\r\n" ends a line as "\n" does
            c = fgetc(arquivo);
            if (c != '\n') {
                ungetc(c, arquivo);
                c = '\r';
            }
        }
        if (c == '\n' || (c == EOF && (na_linha > 0 || !ignorados.empty()))) {
            achados += achados_da_linha(nome, linha++, na_linha, ignorados);
            na_linha = 0;
            ignorados.clear();
        } else if (caractere_de_celula(c)) {
            na_linha++;
            if (++celulas == CELULAS + 1) linha_excesso = linha;
        } else if (c != EOF) {
            ignorados += (char)c;
        }
    }
    const std::string todas = std::to_string(CELULAS);
    if (celulas > CELULAS)
        achados += relatar(nome, linha_excesso,
                           "celulas alem das " + todas +
                               ", ignoradas: " + std::to_string(celulas - CELULAS));
    if (celulas < CELULAS)
        achados += relatar(nome, std::max(linha - 1, 1),
                           "celulas: so " + std::to_string(celulas) + " de " + todas +
                               ", o resto fica vazio");
    return achados;
}
