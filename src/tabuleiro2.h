// Game shell: start-up, the frame loop, the drawing of each frame and the
// shut-down. main in tabuleiro2.cpp calls the three phases.
#ifndef TABULEIRO2_H
#define TABULEIRO2_H

#include "janela.h"

#include <allegro.h>

const int PAUSA_QUADRO = 100; // milliseconds rested after each frame

extern BITMAP* buffer; // back buffer: every frame is composed here
extern BITMAP* chao;   // background, "chao.bmp"
extern bool sair;      // set when Esc is seen held

// Allegro, the keyboard, the timer, the window, the buffers, the counters
// and last the board. Any failure ends the process with a message.
void inicializar();

// Runs frames until Esc.
void executar();

// One frame: the turns of the 192 cells, the drawing, the flip of passo,
// the Esc test, the key queue, pausar(PAUSA_QUADRO) and jogada. executar
// pauses with Allegro's rest.
void executar_quadro(void (*pausar)(unsigned int));

// Composes one frame in buffer and copies it to the screen.
void desenhar();

// Deletes the elements and gives back the buffers and Allegro.
void finalizar();

#endif
