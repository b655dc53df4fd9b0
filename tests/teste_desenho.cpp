// What each frame shows: where each element is drawn, with which image
// and turned how, over the background, and the frame loop's own steps.
#include "ajuda_allegro.h"
#include "tabuleiro.h"
#include "tabuleiro2.h"

#include <gtest/gtest.h>

namespace {

// Pixels that differ between two bitmaps of the same size.
int diferencas(BITMAP* a, BITMAP* b) {
    int n = 0;
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++) n += getpixel(a, x, y) != getpixel(b, x, y);
    return n;
}

// A sprite as the frame should show it, at a pixel and an angle.
struct Sprite {
    BITMAP* imagem;
    int px, py, angulo;
};

class Desenho : public ::testing::Test {
protected:
    BITMAP* movendo = criar_sprite(200, 0, 0);
    BITMAP* parado = criar_sprite(0, 0, 200);
    BITMAP* esperado = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    BITMAP* tela = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);

    void SetUp() override {
        buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
        clear_to_color(chao, makecol(0, 120, 0));
        putpixel(chao, 799, 599, makecol(1, 2, 3));
        screen = tela;
    }
    void TearDown() override {
        limpar_tabuleiro();
        screen = NULL;
        for (BITMAP* b : {movendo, parado, esperado, tela, buffer, chao}) destroy_bitmap(b);
    }
    Elemento* por(int x, int y, int tipo) {
        mapa[x][y] = new Elemento(tipo, movendo, parado);
        return mapa[x][y];
    }
    // The background with these sprites on it, in this order.
    void esperar(std::initializer_list<Sprite> sprites) {
        blit(chao, esperado, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
        for (const Sprite& s : sprites)
            rotate_sprite(esperado, s.imagem, s.px, s.py, itofix(s.angulo));
    }
};

TEST(Angulo, UmPorDirecao) {
    EXPECT_EQ(rotacionar_objeto(DIREITA), -32);
    EXPECT_EQ(rotacionar_objeto(CIMA), 128);
    EXPECT_EQ(rotacionar_objeto(ESQUERDA), 32);
    for (int d : {0, 4, -1, 5, 1000}) EXPECT_EQ(rotacionar_objeto(d), 0) << d;
}

TEST_F(Desenho, QuadroZeroMostraTodosParadosSemGirar) {
    por(0, 0, PAREDE);
    por(15, 11, MONSTRO);
    por(7, 3, AVATAR);
    rodar_quadros(1);
    desenhar();
    esperar({{parado, 0, 0, 0}, {parado, 350, 150, 0}, {parado, 750, 550, 0}});
    EXPECT_EQ(diferencas(tela, esperado), 0);
}

TEST_F(Desenho, AvatarSubindoMeiaCelulaAbaixoEDepoisNaCelula) {
    por(2, 7, AVATAR);
    key[KEY_UP] = 1;
    rodar_quadros(3);
    desenhar();
    esperar({{movendo, 100, 325, 128}});
    EXPECT_EQ(diferencas(tela, esperado), 0);

    rodar_quadros(1);
    desenhar();
    esperar({{parado, 100, 300, 128}});
    EXPECT_EQ(diferencas(tela, esperado), 0);
}

TEST_F(Desenho, DeslocamentoEAnguloDeCadaDirecao) {
    const struct {
        int direcao, px, py, angulo;
    } casos[] = {
        {DIREITA, 175, 250, -32},
        {CIMA, 200, 275, 128},
        {ESQUERDA, 225, 250, 32},
        {BAIXO, 200, 225, 0},
        {9, 200, 250, 0},
    };
    Elemento* monstro = por(4, 5, MONSTRO);
    for (const auto& c : casos) {
        monstro->direcao = c.direcao;
        monstro->movendo = true;
        desenhar();
        esperar({{movendo, c.px, c.py, c.angulo}});
        EXPECT_EQ(diferencas(tela, esperado), 0) << "moving, direction " << c.direcao;
        monstro->movendo = false;
        desenhar();
        esperar({{parado, 200, 250, c.angulo}});
        EXPECT_EQ(diferencas(tela, esperado), 0) << "resting, direction " << c.direcao;
    }
}

TEST_F(Desenho, OMaisAdiantenaOrdemFicaPorCima) {
    Elemento* primeiro = por(0, 0, MONSTRO);
    primeiro->direcao = ESQUERDA;
    primeiro->movendo = true;
    por(1, 0, PAREDE);
    desenhar();
    esperar({{movendo, 25, 0, 32}, {parado, 50, 0, 0}});
    EXPECT_EQ(diferencas(tela, esperado), 0);
    EXPECT_EQ(getpixel(tela, 70, 25), makecol(0, 0, 200)); // the wall's colour
}

TEST_F(Desenho, FundoCobreQuadroAnterior) {
    por(3, 3, AVATAR);
    desenhar();
    delete mapa[3][3];
    mapa[3][3] = NULL;
    desenhar();
    EXPECT_EQ(diferencas(tela, chao), 0);
}

TEST_F(Desenho, FundoMenorQueAJanelaDeixaORestoPreto) {
    destroy_bitmap(chao);
    chao = create_bitmap(300, 200);
    clear_to_color(chao, makecol(0, 120, 0));
    clear_to_color(buffer, makecol(255, 255, 0)); // whatever the memory held
    por(10, 8, AVATAR);
    desenhar();
    delete mapa[10][8];
    mapa[10][8] = NULL;
    desenhar();
    clear_to_color(esperado, 0);
    blit(chao, esperado, 0, 0, 0, 0, 300, 200);
    EXPECT_EQ(diferencas(tela, esperado), 0);
}

TEST_F(Desenho, EscTerminaOQuadroEmCurso) {
    por(0, 0, AVATAR);
    passo = 0;
    jogada = 0;
    sair = false;
    key[KEY_ESC] = 1;
    executar();
    EXPECT_TRUE(sair);
    EXPECT_EQ(jogada, 1);
    EXPECT_EQ(passo, 1);
    esperar({{parado, 0, 0, 0}});
    EXPECT_EQ(diferencas(tela, esperado), 0);
}

} // namespace
