// The tests' entry: Allegro's neutral system driver, and memory bitmaps for
// the screen, the back buffer and a green background, so frames run.
#include "tabuleiro2.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 2;
    set_color_depth(PROFUNDIDADE_COR);
    screen = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    clear_to_color(chao, makecol(0, 120, 0));
    return RUN_ALL_TESTS();
}
