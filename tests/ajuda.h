// The unit tests' and fuzz targets' helpers: boards as text, files, the board emptied after a test.
#ifndef AJUDA_H
#define AJUDA_H

#include "carregador.h"
#include "sem_janela.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

inline std::string repetir(const std::string& s, int vezes) {
    return vezes > 0 ? s + repetir(s, vezes - 1) : "";
}

// texto's bytes as a file open for reading; texto must outlive it.
inline FILE* abrir_texto(const std::string& texto) {
    return fmemopen((void*)texto.data(), texto.size(), "r");
}

// Element images, each its own, for what only stores them and never draws.
inline BITMAP* const IMAGENS[TOTAL_IMAGENS] = {(BITMAP*)1, (BITMAP*)2, (BITMAP*)3, (BITMAP*)4,
                                               (BITMAP*)5};

// Rows of the board: '1' wall, '2' monster, '3' avatar, anything else empty.
typedef std::vector<std::string> Desenho;

// New elements as drawn, all with the same two images (grey by default).
inline void montar_tabuleiro(const Desenho& d, BITMAP* movendo = NULL, BITMAP* parado = NULL) {
    static BITMAP* cinza = criar_sprite(90, 90, 90);
    for (int y = 0; y < (int)d.size(); y++)
        for (int x = 0; x < (int)d[y].size(); x++)
            if (d[y][x] >= '1' && d[y][x] <= '3')
                mapa[x][y] =
                    new Elemento(d[y][x] - '0', movendo ? movendo : cinza, parado ? parado : cinza);
}

// The board as a drawing, '.' for an empty cell, each row and the rows up to the last element.
inline Desenho tabuleiro() {
    Desenho d(ALTURA_TABULEIRO, std::string(LARGURA_TABULEIRO, '.'));
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            if (mapa[x][y] != NULL) d[y][x] = (char)('0' + mapa[x][y]->tipo);
    for (std::string& linha : d)
        linha.erase(linha.find_last_not_of('.') + 1);
    while (!d.empty() && d.back().empty())
        d.pop_back();
    return d;
}

// Deletes every element, goes back to frame 0 and releases every key.
inline void limpar_tabuleiro() {
    esvaziar_tabuleiro();
    passo = jogada = 0;
    sair = false;
    for (int k : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ESC})
        key[k] = 0;
}

// Each test with the board emptied after it.
struct NoTabuleiro : testing::Test {
    void TearDown() override { limpar_tabuleiro(); }
};

// A table case's test name: its field nome.
template <typename Caso> std::string nome_do_caso(const testing::TestParamInfo<Caso>& info) {
    return info.param.nome;
}

// Each test in a temporary folder of its own, its working directory, removed after it.
struct NaPasta : NoTabuleiro {
    char pasta[32] = "/tmp/tabuleiro2-XXXXXX";
    void SetUp() override { ASSERT_EQ(chdir(mkdtemp(pasta)), 0); }
    void TearDown() override {
        NoTabuleiro::TearDown();
        std::filesystem::remove_all(pasta);
    }
};

// The whole file nome, as bytes.
inline std::string conteudo(const char* nome) {
    std::ifstream f(nome, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

#endif
