// The board's rules through the game's own frames.
#include "ajuda.h"

namespace {

enum { SOBE = 1, DESCE = 2, ESQ = 4, DIR = 8, TODAS = 15 };

void segurar(int setas) {
    for (int k : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT}) // SOBE, DESCE, ESQ, DIR
        key[k] = setas & 1, setas >>= 1;
}

struct Regras : NoTabuleiro {};

// Board in, arrows held from frame 0, frames run, board out.
struct Caso {
    const char* nome;
    Desenho inicio;
    int setas, quadros;
    Desenho fim;
};
struct Quadros : Regras, testing::WithParamInterface<Caso> {};

TEST_P(Quadros, TabuleiroDepoisDosQuadros) {
    montar_tabuleiro(GetParam().inicio);
    segurar(GetParam().setas);
    rodar_quadros(GetParam().quadros);
    EXPECT_EQ(tabuleiro(), GetParam().fim);
}

const Desenho canto_de_baixo = {"", "", "", "", "", "", "", "", "", "", "", "3"};
const Caso casos[] = {
    {"nada_age_nos_quadros_0_e_1", {"3"}, DIR, 2, {"3"}},
    {"uma_celula_a_cada_dois_quadros_para_a_direita", {"3"}, DIR, 9, {"....3"}},
    {"ate_a_borda_de_cima", canto_de_baixo, SOBE, 30, {"3"}},
    {"borda_direita", {"...............3"}, DIR, 3, {"...............3"}},
    {"borda_esquerda", {"3"}, ESQ, 3, {"3"}},
    {"borda_de_baixo", canto_de_baixo, DESCE, 3, canto_de_baixo},
    {"parede_bloqueia_e_fica", {"31"}, DIR, 9, {"31"}},
    {"fila_para_a_esquerda_anda_junta", {".333"}, ESQ, 3, {"333"}},
    {"fila_para_a_direita_se_espalha", {"333"}, DIR, 5, {"3.3.3"}},
    {"coluna_para_cima_anda_junta", {"", "3", "3", "3"}, SOBE, 3, {"3", "3", "3"}},
    {"coluna_para_baixo_so_anda_a_ponta", {"3", "3", "3"}, DESCE, 3, {"3", "3", "", "3"}},
    {"frente_a_frente_nao_trocam", {"3.3"}, ESQ, 5, {"33"}},
};
INSTANTIATE_TEST_SUITE_P(Regras, Quadros, testing::ValuesIn(casos), nome_do_caso<Caso>);

// Every set of held arrows: the first of up, down, left, right wins.
TEST_F(Regras, PrimeiraDeCimaBaixoEsquerdaDireitaVence) {
    const char vence[] = "0242324212423242"; // the direction for setas 0 to 15
    for (int setas = 0; setas <= TODAS; setas++, limpar_tabuleiro()) {
        montar_tabuleiro({"", "", "", "", "", ".....3"});
        Elemento* avatar = mapa[5][5];
        segurar(setas);
        rodar_quadros(3);
        EXPECT_EQ(avatar->direcao, vence[setas] - '0') << "arrows " << setas;
    }
}

// A blocked avatar still turns, not moving; a wall never turns; with no arrow held it stands again.
TEST_F(Regras, BloqueadoAindaSeViraESemSetaVoltaAParado) {
    montar_tabuleiro({".13"});
    Elemento *parede = mapa[1][0], *avatar = mapa[2][0];
    segurar(ESQ);
    rodar_quadros(3);
    EXPECT_TRUE(avatar->direcao == ESQUERDA && !avatar->movendo && parede->direcao == PARADO);
    segurar(0);
    rodar_quadros(2);
    EXPECT_EQ(avatar->direcao, PARADO);
}

// Two monsters walled in with one cell, (1, 1), to go to: when both choose it, the first in board
// order, (0, 1), takes it. Boards are played afresh until both do.
TEST_F(Regras, MonstrosNaOrdemDoTabuleiroOPrimeiroLeva) {
    for (int vez = 0; vez < 1000; vez++, limpar_tabuleiro()) {
        montar_tabuleiro({"121", "2", "1"});
        Elemento *primeiro = mapa[0][1], *segundo = mapa[1][0];
        rodar_quadros(3);
        if (primeiro->direcao != DIREITA || segundo->direcao != BAIXO) continue;
        EXPECT_TRUE(mapa[1][1] == primeiro && mapa[1][0] == segundo);
        return;
    }
    FAIL() << "the two monsters never chose the same cell";
}

} // namespace
