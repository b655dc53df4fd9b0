/*
 *      The browser platform's mouse driver. The page hands every pointer
 *      event on the canvas to web_rato, in the screen's own pixels. The
 *      browser's own pointer over the canvas is the system cursor, as the
 *      desktop's is natively: never drawn into the screen.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

/* Where the pointer may be, as set_mouse_range says: a drag that leaves
 * the canvas goes on along its edge, as it does on the X11 window. */
static int min_x = 0, min_y = 0, max_x = 319, max_y = 199;

/* The pointer at (x, y) with botoes held (1 left, 2 right, 4 middle). */
EMSCRIPTEN_KEEPALIVE void web_rato(int x, int y, int botoes)
{
   if (!mouse_driver)
      return;
   _mouse_x = CLAMP(min_x, x, max_x);
   _mouse_y = CLAMP(min_y, y, max_y);
   _mouse_b = botoes;
   _handle_mouse_input();
}

/* The canvas's CSS cursor for each of Allegro's system cursors. */
static const char *const cursores[] = { "none", "none", "default", "wait", "help", "text" };
static int cursor = MOUSE_CURSOR_ARROW;

EM_JS(void, mudar_cursor, (const char *nome), {
   Module.canvas.style.cursor = UTF8ToString(nome);
});

/* Shows (1) or hides the chosen cursor over the canvas. */
void _web_mostrar_cursor(int visivel)
{
   mudar_cursor(visivel ? cursores[cursor] : "none");
}

static void permitir_cursor(int permitir)
{
   (void)permitir;
}

/* 1: the browser shows the cursor itself; 0 for Allegro's own sprite. */
static int escolher_cursor(int qual)
{
   if (qual <= MOUSE_CURSOR_ALLEGRO || qual > MOUSE_CURSOR_EDIT)
      return 0;
   cursor = qual;
   return 1;
}

static int iniciar_rato(void)
{
   return 3;   /* buttons */
}

static void finalizar_rato(void)
{
}

static void limitar_rato(int x1, int y1, int x2, int y2)
{
   min_x = x1, max_x = x2;
   min_y = y1, max_y = y2;
   _mouse_x = CLAMP(min_x, _mouse_x, max_x);
   _mouse_y = CLAMP(min_y, _mouse_y, max_y);
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
   limitar_rato,           /* set_range */
   NULL,                   /* set_speed */
   NULL,                   /* get_mickeys */
   NULL,                   /* analyse_data */
   permitir_cursor,        /* enable_hardware_cursor */
   escolher_cursor         /* select_system_cursor */
};
