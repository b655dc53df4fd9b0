/*
 *      The browser platform's keyboard driver. The page hands every key
 *      event to web_tecla with the browser's key code (keyCode) and the
 *      character typed, if any; its on-screen buttons do the same.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"

/* Browser key codes without a run of their own below. */
static const struct { int codigo, scancode; } avulsas[] = {
   { 8, KEY_BACKSPACE }, { 9, KEY_TAB }, { 13, KEY_ENTER }, { 16, KEY_LSHIFT },
   { 17, KEY_LCONTROL }, { 18, KEY_ALT }, { 19, KEY_PAUSE }, { 20, KEY_CAPSLOCK },
   { 27, KEY_ESC }, { 32, KEY_SPACE }, { 33, KEY_PGUP }, { 34, KEY_PGDN },
   { 35, KEY_END }, { 36, KEY_HOME }, { 37, KEY_LEFT }, { 38, KEY_UP },
   { 39, KEY_RIGHT }, { 40, KEY_DOWN }, { 45, KEY_INSERT }, { 46, KEY_DEL },
   { 106, KEY_ASTERISK }, { 107, KEY_PLUS_PAD }, { 109, KEY_MINUS_PAD },
   { 110, KEY_DEL_PAD }, { 111, KEY_SLASH_PAD }, { 144, KEY_NUMLOCK },
   { 145, KEY_SCRLOCK }, { 186, KEY_SEMICOLON }, { 187, KEY_EQUALS },
   { 188, KEY_COMMA }, { 189, KEY_MINUS }, { 190, KEY_STOP }, { 191, KEY_SLASH },
   { 192, KEY_TILDE }, { 219, KEY_OPENBRACE }, { 220, KEY_BACKSLASH },
   { 221, KEY_CLOSEBRACE }, { 222, KEY_QUOTE },
};

/* Allegro's scancode for a browser key code; 0 for keys it lacks. */
static int converter_codigo(int codigo)
{
   unsigned int i;

   if (codigo >= 'A' && codigo <= 'Z') return KEY_A + codigo - 'A';
   if (codigo >= '0' && codigo <= '9') return KEY_0 + codigo - '0';
   if (codigo >= 96 && codigo <= 105) return KEY_0_PAD + codigo - 96;
   if (codigo >= 112 && codigo <= 123) return KEY_F1 + codigo - 112;
   for (i = 0; i < sizeof(avulsas) / sizeof(avulsas[0]); i++)
      if (avulsas[i].codigo == codigo) return avulsas[i].scancode;
   return 0;
}

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

/* A key pressed (pressionada 1) or released; 1 if Allegro knows it. */
EMSCRIPTEN_KEEPALIVE int web_tecla(int codigo, int caractere, int pressionada)
{
   int scancode = converter_codigo(codigo);

   if (!scancode || !keyboard_driver)
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
