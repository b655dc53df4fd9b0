/*
 *      The browser platform's mouse driver. The page hands every pointer
 *      event on the canvas to web_rato, in the screen's own pixels.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

/* The pointer at (x, y) with botoes held (1 left, 2 right, 4 middle). */
EMSCRIPTEN_KEEPALIVE void web_rato(int x, int y, int botoes)
{
   if (!mouse_driver)
      return;
   _mouse_x = x;
   _mouse_y = y;
   _mouse_b = botoes;
   _handle_mouse_input();
}

static int iniciar_rato(void)
{
   return 3;   /* buttons */
}

static void finalizar_rato(void)
{
}

static void posicionar_rato(int x, int y)
{
   _mouse_x = x;
   _mouse_y = y;
}

MOUSE_DRIVER mouse_web =
{
   MOUSE_WEB,
   empty_string,
   empty_string,
   "Web",
   iniciar_rato,
   finalizar_rato,
   NULL,                   /* poll */
   NULL,                   /* timer_poll */
   posicionar_rato,
   NULL,                   /* set_range */
   NULL,                   /* set_speed */
   NULL,                   /* get_mickeys */
   NULL,                   /* analyse_data */
   NULL,                   /* enable_hardware_cursor */
   NULL                    /* select_system_cursor */
};
