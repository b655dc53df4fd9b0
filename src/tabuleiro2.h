// Game shell: start-up, the frame loop, the drawing of each frame and the
// shut-down. main in tabuleiro2.cpp calls the three phases.
#ifndef TABULEIRO2_H
#define TABULEIRO2_H

#include <allegro.h>

const int LARGURA_JANELA = 800;
const int ALTURA_JANELA = 600;
const int PROFUNDIDADE_COR = 16; // bits per pixel
const int TAMANHO_CELULA = 50;   // pixels; 16 x 12 cells fill the window
const int MEIA_CELULA = 25;      // the slide's half-way shift
const int PAUSA_QUADRO = 100;    // milliseconds rested after each frame
const char* const ARQUIVO_CHAO = "chao.bmp";

extern BITMAP* buffer; // back buffer: every frame is composed here
extern BITMAP* chao;   // background, "chao.bmp"
extern bool sair;      // set when Esc is seen held

// Allegro, the keyboard, the timer, the window, the buffers, the counters
// and last the board. Any failure ends the process with a message.
void inicializar();

// Runs frames until Esc.
void executar();

// Composes one frame in buffer and copies it to the screen.
void desenhar();

// A direction's sprite angle, in Allegro units (256 to a full turn).
int rotacionar_objeto(int direcao);

// Deletes the elements and gives back the buffers and Allegro.
void finalizar();

#endif
