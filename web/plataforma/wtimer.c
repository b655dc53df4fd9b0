/*
 *      The browser platform's timer driver: rest() shows the finished frame
 *      on the page, then sleeps with emscripten_sleep, which hands the
 *      browser back its event loop (ASYNCIFY) so that a program's blocking
 *      loop runs unchanged. Timer routines (install_int) run from a browser
 *      interval, for the time that has really gone by.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

#define INTERVALO 5   /* ms between the browser's calls */

static int intervalo;
static double ultimo;  /* when the time was last handed to Allegro, in ms */

/* The browser calls web_marcar_tempo every ms milliseconds until the
 * program ends; the interval's id. No emscripten_set_interval: it would
 * keep the runtime alive, and exit() would never tell the page. */
EM_JS(int, criar_intervalo, (int ms), {
   var id = setInterval(function() {
      if (ABORT || runtimeExited) clearInterval(id);
      else _web_marcar_tempo();
   }, ms);
   return id;
});

EM_JS(void, apagar_intervalo, (int id), {
   clearInterval(id);
});

/* Allegro's timer routines, for the time gone by since the last call. */
EMSCRIPTEN_KEEPALIVE void web_marcar_tempo(void)
{
   int passado = (int)(emscripten_get_now() - ultimo);

   if (passado > 0) {
      ultimo += passado;
      _handle_timer_tick(MSEC_TO_TIMER(passado));
   }
}

static int iniciar_timer(void)
{
   ultimo = emscripten_get_now();
   intervalo = criar_intervalo(INTERVALO);
   return 0;
}

static void finalizar_timer(void)
{
   apagar_intervalo(intervalo);
}

static void descansar(unsigned int tempo, AL_METHOD(void, callback, (void)))
{
   (void)callback;
   _web_apresentar_tela();
   emscripten_sleep(tempo);
}

TIMER_DRIVER timer_web =
{
   TIMER_WEB,
   empty_string,
   empty_string,
   "Web",
   iniciar_timer,
   finalizar_timer,
   NULL,                   /* install_int */
   NULL,                   /* remove_int */
   NULL,                   /* install_param_int */
   NULL,                   /* remove_param_int */
   NULL,                   /* can_simulate_retrace */
   NULL,                   /* simulate_retrace */
   descansar
};
