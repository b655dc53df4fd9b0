#include "ajuda_allegro.h"

#include "tabuleiro.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

namespace {

// Allegro's neutral system driver: memory bitmaps and key[], no window.
class AllegroSemJanela : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(16);
    }
};

const ::testing::Environment* const ambiente =
    ::testing::AddGlobalTestEnvironment(new AllegroSemJanela);

} // namespace

void montar_tabuleiro(const Desenho& desenho) {
    for (int y = 0; y < (int)desenho.size() && y < ALTURA_TABULEIRO; y++)
        for (int x = 0; x < (int)desenho[y].size() && x < LARGURA_TABULEIRO; x++) {
            char c = desenho[y][x];
            if (c >= '1' && c <= '3') mapa[x][y] = new Elemento(c - '0', NULL, NULL);
        }
}

Desenho desenho_do_tabuleiro() {
    Desenho d(ALTURA_TABULEIRO, std::string(LARGURA_TABULEIRO, '.'));
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            if (mapa[x][y] != NULL) d[y][x] = (char)('0' + mapa[x][y]->tipo);
    return d;
}

Desenho completar(const Desenho& desenho) {
    Desenho d(ALTURA_TABULEIRO, std::string(LARGURA_TABULEIRO, '.'));
    for (int y = 0; y < (int)desenho.size() && y < ALTURA_TABULEIRO; y++)
        for (int x = 0; x < (int)desenho[y].size() && x < LARGURA_TABULEIRO; x++)
            d[y][x] = desenho[y][x];
    return d;
}

void limpar_tabuleiro() {
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++) {
            delete mapa[x][y];
            mapa[x][y] = NULL;
        }
    passo = 0;
    jogada = 0;
    soltar_teclas();
}

void rodar_quadros(int quantos) {
    for (int i = 0; i < quantos; i++) {
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            for (int y = 0; y < ALTURA_TABULEIRO; y++) executar_elemento(x, y);
        passo = 1 - passo;
        jogada++;
    }
}

void soltar_teclas() {
    key[KEY_UP] = key[KEY_DOWN] = key[KEY_LEFT] = key[KEY_RIGHT] = key[KEY_ESC] = 0;
}

BITMAP* criar_sprite(int r, int g, int b) {
    BITMAP* s = create_bitmap(50, 50);
    clear_to_color(s, makecol(r, g, b));
    rectfill(s, 0, 0, 9, 9, makecol(255, 255, 255));
    return s;
}
