// The turns: counters and stamp, key priority, edges, first come first
// served in board order, blocked moves that still turn.
#include "ajuda_allegro.h"
#include "tabuleiro.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

enum { SEM_SETA = 0, SOBE = 1, DESCE = 2, ESQ = 4, DIR = 8 };

void segurar(int setas) {
    key[KEY_UP] = (setas & SOBE) != 0;
    key[KEY_DOWN] = (setas & DESCE) != 0;
    key[KEY_LEFT] = (setas & ESQ) != 0;
    key[KEY_RIGHT] = (setas & DIR) != 0;
}

class Regras : public ::testing::Test {
protected:
    void TearDown() override { limpar_tabuleiro(); }
};

// Board in, arrows held, frames run from frame 0, board out.
struct Caso {
    const char* nome;
    Desenho inicio;
    int setas;
    int quadros;
    Desenho fim;
};

const Caso casos[] = {
    {"nada_age_nos_quadros_0_e_1", {"3"}, DIR, 2, {"3"}},
    {"primeiro_movimento_no_quadro_2", {"3"}, DIR, 3, {".3"}},
    {"uma_celula_por_dois_quadros_para_a_direita", {"3"}, DIR, 9, {"....3"}},
    {"uma_celula_por_dois_quadros_para_baixo", {"3"}, DESCE, 9, {".", ".", ".", ".", "3"}},
    {"para_cima_duas_celulas_em_cinco_quadros", {"", "", "...3"}, SOBE, 5, {"...3"}},
    {"borda_direita_bloqueia", {"...............3"}, DIR, 9, {"...............3"}},
    {"borda_esquerda_bloqueia", {"3"}, ESQ, 9, {"3"}},
    {"borda_de_cima_bloqueia", {"3"}, SOBE, 9, {"3"}},
    {"borda_de_baixo_bloqueia", {"", "", "", "", "", "", "", "", "", "", "", "3"}, DESCE, 9,
     {"", "", "", "", "", "", "", "", "", "", "", "3"}},
    {"parede_bloqueia_e_fica", {"31"}, DIR, 9, {"31"}},
    {"sem_seta_fica_parado", {".3."}, SEM_SETA, 9, {".3."}},
    {"cima_vence_esquerda", {"", ".3"}, SOBE | ESQ, 3, {".3"}},
    {"baixo_vence_direita", {"3"}, DESCE | DIR, 3, {".", "3"}},
    {"esquerda_vence_direita", {".3"}, ESQ | DIR, 3, {"3"}},
    {"fila_anda_junta_para_a_esquerda", {".333"}, ESQ, 3, {"333"}},
    {"fila_para_a_direita_so_anda_a_ponta", {"333"}, DIR, 3, {"33.3"}},
    {"fila_para_a_direita_se_espalha", {"333"}, DIR, 5, {"3.3.3"}},
    {"coluna_sobe_junta", {"", "3", "3", "3"}, SOBE, 3, {"3", "3", "3"}},
    {"coluna_para_baixo_so_anda_a_ponta", {"3", "3", "3"}, DESCE, 3, {"3", "3", ".", "3"}},
    {"avatares_frente_a_frente_nao_trocam", {"3.3"}, ESQ, 5, {"33."}},
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class RegrasTabela : public Regras, public ::testing::WithParamInterface<Caso> {};

TEST_P(RegrasTabela, TabuleiroDepoisDosQuadros) {
    const Caso& c = GetParam();
    montar_tabuleiro(c.inicio);
    segurar(c.setas);
    rodar_quadros(c.quadros);
    EXPECT_EQ(desenho_do_tabuleiro(), completar(c.fim));
}

INSTANTIATE_TEST_SUITE_P(Casos, RegrasTabela, ::testing::ValuesIn(casos),
                         [](const ::testing::TestParamInfo<Caso>& i) { return i.param.nome; });

TEST_F(Regras, BloqueadoAindaSeVira) {
    montar_tabuleiro({"", ".13"});
    segurar(ESQ);
    rodar_quadros(3);
    const Elemento* avatar = mapa[2][1];
    ASSERT_NE(avatar, nullptr);
    EXPECT_EQ(avatar->direcao, ESQUERDA);
    EXPECT_FALSE(avatar->movendo);
    EXPECT_EQ(mapa[1][1]->direcao, PARADO); // the wall never turns
    EXPECT_EQ(mapa[1][1]->ultima_jogada, 2); // but it is stamped

    segurar(SEM_SETA); // with no arrow it turns back to direction 0
    rodar_quadros(2);
    EXPECT_EQ(avatar->direcao, PARADO);
}

TEST_F(Regras, MovendoDuraSoOQuadroDoMovimento) {
    montar_tabuleiro({"3"});
    Elemento* avatar = mapa[0][0];
    segurar(DIR);
    rodar_quadros(3);
    EXPECT_EQ(mapa[1][0], avatar);
    EXPECT_TRUE(avatar->movendo);
    EXPECT_EQ(avatar->ultima_jogada, 2);
    rodar_quadros(1);
    EXPECT_FALSE(avatar->movendo);
    EXPECT_EQ(avatar->direcao, DIREITA); // still facing its last direction
}

TEST_F(Regras, RetornoDaVez) {
    montar_tabuleiro({"31"});
    segurar(DESCE);
    EXPECT_EQ(executar_elemento(0, 0), 0); // frame 0: stamp equals jogada
    EXPECT_EQ(executar_elemento(5, 5), 0); // empty cell
    jogada = 2;
    EXPECT_EQ(executar_elemento(1, 0), 0); // a wall never acts
    EXPECT_EQ(executar_elemento(0, 0), 1);
    EXPECT_EQ(executar_elemento(0, 1), 0); // moved down: already stamped
    passo = 1;
    jogada = 3;
    EXPECT_EQ(executar_elemento(0, 1), 0); // resting frame
    EXPECT_EQ(mapa[0][1]->ultima_jogada, 2);
}

TEST_F(Regras, DirecaoDesconhecidaNaoMove) {
    montar_tabuleiro({"", ".3"});
    for (int d : {-1, 5, 99}) {
        mapa[1][1]->direcao = d;
        EXPECT_EQ(mover_elemento(1, 1), 0);
        EXPECT_EQ(mapa[1][1]->tipo, AVATAR);
    }
    EXPECT_EQ(mover_elemento(0, 0), 0); // nothing there
}

// A seed whose first two draws are the given directions.
unsigned semente_para(int primeira, int segunda) {
    for (unsigned s = 1;; s++) {
        srand(s);
        int a = rand() % 5;
        int b = rand() % 5;
        if (a == primeira && b == segunda) return s;
    }
}

TEST_F(Regras, PrimeiroNaOrdemDoTabuleiroFicaComACelula) {
    montar_tabuleiro({"", "", "", "", "", "...2.2"});
    Elemento* da_esquerda = mapa[3][5];
    Elemento* da_direita = mapa[5][5];
    srand(semente_para(DIREITA, ESQUERDA));
    rodar_quadros(3);
    EXPECT_EQ(mapa[4][5], da_esquerda);
    EXPECT_EQ(mapa[5][5], da_direita);
    EXPECT_EQ(da_direita->direcao, ESQUERDA);
    EXPECT_FALSE(da_direita->movendo);
}

TEST_F(Regras, MonstroCercadoSorteiaUmaVezPorQuadroDeAcao) {
    montar_tabuleiro({".1.1", "121211", ".1.1"});
    Elemento* primeiro = mapa[1][1];
    Elemento* segundo = mapa[3][1];
    srand(7);
    int sorteios[8];
    for (int& s : sorteios) s = rand() % 5;
    srand(7);
    rodar_quadros(2);
    for (int i = 0; i < 4; i++) {
        rodar_quadros(2); // one acting frame, one resting frame
        EXPECT_EQ(primeiro->direcao, sorteios[2 * i]) << "acting frame " << i;
        EXPECT_EQ(segundo->direcao, sorteios[2 * i + 1]) << "acting frame " << i;
    }
    EXPECT_EQ(mapa[1][1], primeiro);
    EXPECT_EQ(mapa[3][1], segundo);
}

TEST_F(Regras, TabuleiroVazioNaoFazNada) {
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++) EXPECT_EQ(executar_elemento(x, y), 0);
}

} // namespace
