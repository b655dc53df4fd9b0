// What each frame shows: each element where, with which image, turned how, in which order.
#include "ajuda.h"

#include <tuple>

namespace {

const int LADO = TAMANHO_CELULA, MEIO = LADO / 2; // how far back a move shows: half a cell

struct Desenho_ : NoTabuleiro {
    BITMAP* movendo = criar_sprite(200, 0, 0);
    BITMAP* parado = criar_sprite(0, 0, 200);
    BITMAP* esperado = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);

    ~Desenho_() {
        for (BITMAP* b : {movendo, parado, esperado})
            destroy_bitmap(b);
    }
    // Pixels of the screen unlike the background with these sprites on it, each an image, its
    // corner and its angle.
    int diferencas(std::initializer_list<std::tuple<BITMAP*, int, int, int>> sprites) {
        clear_to_color(esperado, 0);
        blit(chao, esperado, 0, 0, 0, 0, chao->w, chao->h);
        for (auto [imagem, px, py, angulo] : sprites)
            rotate_sprite(esperado, imagem, px, py, itofix(angulo));
        int n = 0;
        for (int y = 0; y < ALTURA_JANELA; y++)
            for (int x = 0; x < LARGURA_JANELA; x++)
                n += getpixel(screen, x, y) != getpixel(esperado, x, y);
        return n;
    }
};

// Frame 0 shows every element standing and unturned; the avatar that moves up in frame 2 shows half
// a cell below its new cell, then in it.
TEST_F(Desenho_, QuadrosDeUmAvatarQueSobe) {
    montar_tabuleiro({"1", "", "", "", "", "", "", "..3"}, movendo, parado);
    key[KEY_UP] = 1;
    rodar_quadros(1);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {parado, 2 * LADO, 7 * LADO, 0}}), 0);
    rodar_quadros(2);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {movendo, 2 * LADO, 6 * LADO + MEIO, 128}}), 0);
    rodar_quadros(1);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {parado, 2 * LADO, 6 * LADO, 128}}), 0);
}

// A direction, and where its moving sprite goes from cell (4, 5) and turned how.
struct Direcao {
    const char* nome;
    int direcao, px, py, angulo;
};
struct Angulo : Desenho_, testing::WithParamInterface<Direcao> {};

TEST_P(Angulo, MeiaCelulaDeVoltaMovendoEMesmoAnguloParado) {
    const Direcao& c = GetParam();
    Elemento* monstro = mapa[4][5] = new Elemento(MONSTRO, movendo, parado);
    monstro->direcao = c.direcao;
    monstro->movendo = true;
    desenhar();
    EXPECT_EQ(diferencas({{movendo, c.px, c.py, c.angulo}}), 0) << "moving";
    monstro->movendo = false;
    desenhar();
    EXPECT_EQ(diferencas({{parado, 4 * LADO, 5 * LADO, c.angulo}}), 0) << "resting";
}

const Direcao direcoes[] = {
    {"direita_um_oitavo_anti_horario", DIREITA, 4 * LADO - MEIO, 5 * LADO, -32},
    {"cima_meia_volta", CIMA, 4 * LADO, 5 * LADO + MEIO, 128},
    {"esquerda_um_oitavo_horario", ESQUERDA, 4 * LADO + MEIO, 5 * LADO, 32},
    {"baixo_como_guardado", BAIXO, 4 * LADO, 5 * LADO - MEIO, 0},
    {"parado_como_guardado", PARADO, 4 * LADO, 5 * LADO, 0},
    {"desconhecida_como_parado", 9, 4 * LADO, 5 * LADO, 0},
};
INSTANTIATE_TEST_SUITE_P(Desenho, Angulo, testing::ValuesIn(direcoes), nome_do_caso<Direcao>);

// (0, 1) comes before (1, 0) in board order, so where their slides meet, (1, 0) lies on top.
TEST_F(Desenho_, OMaisAdianteNaOrdemFicaPorCima) {
    Elemento* a = mapa[0][1] = new Elemento(MONSTRO, movendo, movendo);
    Elemento* b = mapa[1][0] = new Elemento(MONSTRO, parado, parado);
    a->direcao = ESQUERDA;
    b->direcao = CIMA;
    a->movendo = b->movendo = true;
    desenhar();
    EXPECT_EQ(diferencas({{movendo, MEIO, LADO, 32}, {parado, LADO, MEIO, 128}}), 0);
    EXPECT_EQ(getpixel(screen, 60, 60), makecol(0, 0, 200));
}

// What a small background leaves uncovered is black, not last frame's.
TEST_F(Desenho_, NadaFicaDoQuadroAnteriorMesmoComFundoPequeno) {
    BITMAP* grande = chao;
    chao = create_bitmap(300, 225);
    clear_to_color(chao, makecol(0, 120, 0));
    clear_to_color(buffer, makecol(255, 255, 0));
    desenhar();
    EXPECT_EQ(diferencas({}), 0);
    destroy_bitmap(chao);
    chao = grande;
}

} // namespace
