// The game's entry and shell: start-up, the frame loop, the drawing and
// the shut-down. The window itself is opened by janela.cpp, which the
// board editor shares; the rules and the loader never touch the screen.
#include "tabuleiro2.h"

#include "carregador.h"
#include "tabuleiro.h"

#include <cstdio>
#include <cstdlib>

BITMAP* buffer;
BITMAP* chao;
bool sair;

void inicializar() {
    buffer = abrir_janela(0);
    chao = carregar_imagem(ARQUIVO_CHAO);
    passo = 0;
    jogada = 0;
    sair = false;
    construir();
    // Checked only now, so that a missing board file is reported as such
    // even in a folder that lacks everything else too.
    exigir_imagem(chao, ARQUIVO_CHAO);
}

void executar_quadro(void (*pausar)(unsigned int)) {
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++)
            executar_elemento(x, y);
    desenhar();
    passo = 1 - passo;
    if (key[KEY_ESC]) sair = true;
    clear_keybuf(); // the game reads held keys only, never the queue
    pausar(PAUSA_QUADRO);
    jogada++;
}

void executar() {
    while (!sair)
        executar_quadro(rest);
}

void desenhar() {
    desenhar_tabuleiro(buffer, chao);
    blit(buffer, screen, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
}

void finalizar() {
    esvaziar_tabuleiro();
    destroy_bitmap(chao);
    destroy_bitmap(buffer);
    allegro_exit();
}

int main() {
    inicializar();
    executar();
    finalizar();
    return 0;
}
END_OF_MAIN()
