// The window both programs draw in: Allegro's start-up, the 800 x 600
// window at 16 bits per pixel and its back buffer.
#ifndef JANELA_H
#define JANELA_H

#include "desenho.h"

#include <allegro.h>

const int PROFUNDIDADE_COR = 16; // bits per pixel

// Allegro, the keyboard, the timer, the mouse when com_mouse, and the
// window; returns a back buffer of the window's size. Any failure ends the
// start-up (falhar in falhas.h), naming the Allegro call.
BITMAP* abrir_janela(int com_mouse);

#endif
