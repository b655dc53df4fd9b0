// What each frame shows: where each element is drawn, with which image
// and turned how, over the background; and one frame of the real loop.
#include "ajuda.h"
#include "tabuleiro2.h"

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

    void SetUp() override {
        screen = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        clear_to_color(chao, makecol(0, 120, 0));
        putpixel(chao, 799, 599, makecol(1, 2, 3));
    }
    void TearDown() override {
        limpar_tabuleiro();
        for (BITMAP* b : {movendo, parado, esperado, screen, buffer, chao})
            destroy_bitmap(b);
        screen = NULL;
    }
    // How many pixels of the screen differ from the background with these sprites.
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

TEST(Angulo, UmPorDirecao) {
    const int angulos[][2] = {{DIREITA, -32}, {CIMA, 128}, {ESQUERDA, 32}, {PARADO, 0},
                              {BAIXO, 0},     {-1, 0},     {5, 0}};
    for (auto& a : angulos)
        EXPECT_EQ(rotacionar_objeto(a[0]), a[1]) << a[0];
}

TEST_F(Desenho_, QuadroZeroMostraTodosParadosSemGirar) {
    montar_tabuleiro({"1", "", "", ".......2", "", "", "", "", "", "", "", "...............3"},
                     movendo, parado);
    rodar_quadros(1);
    desenhar();
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}, {parado, 350, 150, 0}, {parado, 750, 550, 0}}), 0);
}

TEST_F(Desenho_, AvatarSobeMeiaCelulaAbaixoDepoisNaCelula) {
    montar_tabuleiro({"", "", "", "", "", "", "", "..3"}, movendo, parado);
    key[KEY_UP] = 1;
    rodar_quadros(3);
    desenhar();
    EXPECT_EQ(diferencas({{movendo, 100, 325, 128}}), 0);
    rodar_quadros(1);
    desenhar();
    EXPECT_EQ(diferencas({{parado, 100, 300, 128}}), 0);
}

TEST_F(Desenho_, MeiaCelulaDeVoltaEAnguloDeCadaDirecao) {
    const int casos[][4] = {{DIREITA, 175, 250, -32},
                            {CIMA, 200, 275, 128},
                            {ESQUERDA, 225, 250, 32},
                            {BAIXO, 200, 225, 0},
                            {9, 200, 250, 0}};
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

TEST_F(Desenho_, OMaisAdianteNaOrdemFicaPorCima) {
    montar_tabuleiro({"21"}, movendo, parado);
    mapa[0][0]->direcao = ESQUERDA;
    mapa[0][0]->movendo = true;
    desenhar();
    EXPECT_EQ(diferencas({{movendo, 25, 0, 32}, {parado, 50, 0, 0}}), 0);
    EXPECT_EQ(getpixel(screen, 70, 25), makecol(0, 0, 200));
}

TEST_F(Desenho_, NadaFicaDoQuadroAnteriorMesmoComFundoPequeno) {
    for (int lado : {800, 300}) {
        destroy_bitmap(chao);
        chao = create_bitmap(lado, lado * 3 / 4);
        clear_to_color(chao, makecol(0, 120, 0));
        clear_to_color(buffer, makecol(255, 255, 0)); // whatever memory held
        montar_tabuleiro({"", "", "", "", "", "", "", "", "..........3"}, movendo, parado);
        desenhar();
        limpar_tabuleiro();
        desenhar();
        EXPECT_EQ(diferencas({}), 0) << lado;
    }
}

TEST_F(Desenho_, EscTerminaOQuadroEmCurso) {
    montar_tabuleiro({"3"}, movendo, parado);
    sair = false;
    key[KEY_ESC] = 1;
    executar();
    EXPECT_TRUE(sair && jogada == 1 && passo == 1);
    EXPECT_EQ(diferencas({{parado, 0, 0, 0}}), 0);
}

} // namespace
