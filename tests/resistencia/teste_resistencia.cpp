// The long run: 20,000 frames of turns and drawing on a dense random board,
// with the arrows changing every few frames, checking after every frame
// that no element was lost, doubled or changed kind, that walls stay put
// and that nothing moves faster than one cell per two frames.
#include "ajuda.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

namespace {

const int QUADROS = 20000;

struct Lugar {
    int x, y;
};

int distancia(Lugar a, Lugar b) {
    return abs(a.x - b.x) + abs(a.y - b.y);
}

// About seven cells in ten taken: walls, monsters and avatars.
void sortear_tabuleiro() {
    static const int tipos[] = {PAREDE, MONSTRO, MONSTRO, MONSTRO, AVATAR};
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            if (rand() % 10 < 7) mapa[x][y] = new Elemento(tipos[rand() % 5], NULL, NULL);
}

void segurar_setas_ao_acaso() {
    key[KEY_UP] = rand() % 4 == 0;
    key[KEY_DOWN] = rand() % 4 == 0;
    key[KEY_LEFT] = rand() % 4 == 0;
    key[KEY_RIGHT] = rand() % 4 == 0;
}

class Resistencia : public ::testing::Test {
  protected:
    BITMAP* movendo = criar_sprite(200, 0, 0);
    BITMAP* parado = criar_sprite(0, 0, 200);
    BITMAP* tela = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    std::map<const Elemento*, Lugar> lugares;    // where each element was last frame
    std::map<const Elemento*, Lugar> anteriores; // and the frame before

    void SetUp() override {
        buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        clear_to_color(chao, makecol(0, 120, 0));
        screen = tela;
        srand(20);
        sortear_tabuleiro();
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            for (int y = 0; y < ALTURA_TABULEIRO; y++)
                if (mapa[x][y] != NULL) {
                    mapa[x][y]->imagem_movendo = movendo;
                    mapa[x][y]->imagem_parado = parado;
                    lugares[mapa[x][y]] = {x, y};
                }
        anteriores = lugares;
    }
    void TearDown() override {
        limpar_tabuleiro();
        screen = NULL;
        for (BITMAP* b : {movendo, parado, tela, buffer, chao})
            destroy_bitmap(b);
    }

    // Checks the board after a frame that acted or not; counts the moves.
    void conferir(bool agiu, int* movimentos) {
        std::map<const Elemento*, Lugar> agora;
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            for (int y = 0; y < ALTURA_TABULEIRO; y++) {
                const Elemento* e = mapa[x][y];
                if (e == NULL) continue;
                ASSERT_EQ(lugares.count(e), 1u) << "an element that was not on the board";
                ASSERT_TRUE(agora.insert({e, {x, y}}).second) << "an element in two cells";
            }
        ASSERT_EQ(agora.size(), lugares.size()) << "an element left the board";
        for (const auto& [e, lugar] : agora) {
            int passos = distancia(lugar, lugares[e]);
            ASSERT_LE(passos, agiu ? 1 : 0) << "at (" << lugar.x << ", " << lugar.y << ")";
            ASSERT_LE(distancia(lugar, anteriores[e]), 1) << "two cells in two frames";
            if (passos == 0) continue;
            ASSERT_NE(e->tipo, PAREDE) << "a wall moved";
            int dx, dy;
            deslocamento(e->direcao, &dx, &dy);
            ASSERT_TRUE(e->movendo && lugares[e].x + dx == lugar.x && lugares[e].y + dy == lugar.y)
                << "moved against its direction";
            ++*movimentos;
        }
        anteriores.swap(lugares);
        lugares.swap(agora);
    }
};

TEST_F(Resistencia, VinteMilQuadros) {
    std::map<int, int> tipos_no_inicio;
    for (const auto& [e, lugar] : lugares)
        tipos_no_inicio[e->tipo]++;
    ASSERT_GT(tipos_no_inicio[AVATAR], 0);
    int movimentos = 0;
    for (int q = 0; q < QUADROS; q++) {
        if (q % 6 == 0) segurar_setas_ao_acaso();
        bool agiu = passo == 0;
        rodar_quadros(1, true);
        ASSERT_NO_FATAL_FAILURE(conferir(agiu, &movimentos)) << "frame " << q;
    }
    std::map<int, int> tipos_no_fim;
    for (const auto& [e, lugar] : lugares)
        tipos_no_fim[e->tipo]++;
    EXPECT_EQ(tipos_no_fim, tipos_no_inicio);
    EXPECT_GT(movimentos, QUADROS / 2) << "the board hardly moved";
}

} // namespace
