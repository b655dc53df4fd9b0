/*
 *      The browser platform's keyboard driver. The page hands every key
 *      event to web_tecla as Allegro's scancode (its one table, TECLAS in
 *      pagina.js, names them by the browser's KeyboardEvent.code) with the
 *      character typed, if any; its on-screen buttons and the gamepad do
 *      the same.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

/* The ASCII code Allegro gives keys that type no character. */
static int caractere_de_controle(int scancode)
{
   switch (scancode) {
      case KEY_ESC: return 27;
      case KEY_ENTER: return 13;
      case KEY_BACKSPACE: return 8;
      case KEY_TAB: return 9;
      default: return 0;
   }
}

/* A key pressed (pressionada 1) or released; 1 if scancode is one of Allegro's. */
EMSCRIPTEN_KEEPALIVE int web_tecla(int scancode, int caractere, int pressionada)
{
   if (scancode <= 0 || scancode >= KEY_MAX || !keyboard_driver)
      return 0;
   if (!pressionada)
      _handle_key_release(scancode);
   else
      _handle_key_press(caractere ? caractere : caractere_de_controle(scancode), scancode);
   return 1;
}

static int iniciar_teclado(void)
{
   return 0;
}

static void finalizar_teclado(void)
{
}

KEYBOARD_DRIVER keyboard_web =
{
   KEYBOARD_WEB,
   empty_string,
   empty_string,
   "Web",
   FALSE,                  /* autorepeat: the browser repeats keys itself */
   iniciar_teclado,
   finalizar_teclado,
   NULL,                   /* poll */
   NULL,                   /* set_leds */
   NULL,                   /* set_rate */
   NULL,                   /* wait_for_input */
   NULL,                   /* stop_waiting_for_input */
   NULL,                   /* scancode_to_ascii */
   NULL                    /* scancode_to_name */
};
