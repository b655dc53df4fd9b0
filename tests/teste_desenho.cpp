// What each frame shows: each element where, with which image, turned how,
// in which order; and the frame's Esc test and pause.
#include "ajuda.h"

#include <gtest/gtest.h>

namespace {

// A sprite as the frame should show it: image, corner and angle.
struct Sprite {
    BITMAP* imagem;
    int px, py, angulo;
};

struct Desenho_ : ::testing::Test {
    BITMAP* movendo = criar_sprite(200, 0, 0);
    BITMAP* parado = criar_sprite(0, 0, 200);
    BITMAP* esperado = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);

    void TearDown() override {
        limpar_tabuleiro();
        for (BITMAP* b : {movendo, parado, esperado})
            destroy_bitmap(b);
    }
    // Pixels of the screen unlike the background with these sprites on it.
    int diferencas(std::initializer_list<Sprite> sprites) {
        clear_to_color(esperado, 0);
        blit(chao, esperado, 0, 0, 0, 0, chao->w, chao->h);
        for (const Sprite& s : sprites)
            rotate_sprite(esperado, s.imagem, s.px, s.py, itofix(s.angulo));
        int n = 0;
        for (int y = 0; y < ALTURA_JANELA; y++)
            for (int x = 0; x < LARGURA_JANELA; x++)
                n += getpixel(screen, x, y) != getpixel(esperado, x, y);
        return n;
    }
};

// Frame 0 shows every element standing and unturned; the avatar that
// moves up in frame 2 shows half a cell below its new cell, then in it.
TEST_F(Desenho_, QuadrosDeUmAvatarQueSobe) {
    montar_tabuleiro({"1", "", "", "", "", "", "", "..3", "", "", "", "...............1"}, movendo,
                     parado);
    key[KEY_UP] = 1;
    rodar_quadros(1);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {parado, 100, 350, 0}, {parado, 750, 550, 0}}), 0);
    rodar_quadros(2);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {movendo, 100, 325, 128}, {parado, 750, 550, 0}}), 0);
    rodar_quadros(1);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {parado, 100, 300, 128}, {parado, 750, 550, 0}}), 0);
}

TEST_F(Desenho_, MeiaCelulaDeVoltaEAnguloDeCadaDirecao) {
    const int casos[][4] = {{DIREITA, 175, 250, -32}, {CIMA, 200, 275, 128},
                            {ESQUERDA, 225, 250, 32}, {BAIXO, 200, 225, 0},
                            {PARADO, 200, 250, 0},    {9, 200, 250, 0}};
    Elemento* monstro = mapa[4][5] = new Elemento(MONSTRO, movendo, parado);
    for (auto& c : casos) {
        monstro->direcao = c[0];
        monstro->movendo = true;
        desenhar();
        EXPECT_EQ(diferencas({{movendo, c[1], c[2], c[3]}}), 0) << "moving " << c[0];
        monstro->movendo = false;
        desenhar();
        EXPECT_EQ(diferencas({{parado, 200, 250, c[3]}}), 0) << "resting " << c[0];
    }
}

// (0, 1) comes before (1, 0) in board order, so where their slides meet,
// (1, 0) lies on top.
TEST_F(Desenho_, OMaisAdianteNaOrdemFicaPorCima) {
    Elemento* a = mapa[0][1] = new Elemento(MONSTRO, movendo, movendo);
    Elemento* b = mapa[1][0] = new Elemento(MONSTRO, parado, parado);
    a->direcao = ESQUERDA;
    b->direcao = CIMA;
    a->movendo = b->movendo = true;
    desenhar();
    EXPECT_EQ(diferencas({{movendo, 25, 50, 32}, {parado, 50, 25, 128}}), 0);
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

// Esc is seen before the pause: held, the frame still ends whole; pressed
// only during the pause, it waits for the next frame.
TEST_F(Desenho_, EscVistoAntesDaPausa) {
    montar_tabuleiro({"3"}, movendo, parado);
    key[KEY_ESC] = 1;
    rodar_quadros(1);
    EXPECT_TRUE(sair && jogada == 1 && passo == 1 && pausa_pedida == 100);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}}), 0);
    limpar_tabuleiro();
    executar_quadro([](unsigned) { key[KEY_ESC] = 1; });
    EXPECT_FALSE(sair);
}

} // namespace
