// The game's shell: one frame whole, its Esc test and its pause.
#include "ajuda.h"

namespace {

// Esc held: the frame ends whole, drawn and paused; pressed during the pause, it waits a frame.
TEST(Tabuleiro2, EscVistoAntesDaPausa) {
    montar_tabuleiro({"3"});
    clear_to_color(screen, 0);
    key[KEY_ESC] = 1;
    rodar_quadros(1);
    EXPECT_TRUE(sair && jogada == 1 && passo == 1 && pausa_pedida == 100);
    EXPECT_EQ(getpixel(screen, 20, 20), makecol(90, 90, 90)); // the avatar
    EXPECT_EQ(getpixel(screen, 70, 20), makecol(0, 120, 0));  // the background
    limpar_tabuleiro();
    executar_quadro([](unsigned) { key[KEY_ESC] = 1; });
    EXPECT_FALSE(sair);
    limpar_tabuleiro();
}

} // namespace
