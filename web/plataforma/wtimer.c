/*
 *      The browser platform's timer driver: rest() shows the finished frame
 *      on the page, then sleeps with emscripten_sleep, which hands the
 *      browser back its event loop (ASYNCIFY) so that a program's blocking
 *      loop runs unchanged. Timer routines (install_int) run there as well,
 *      for the time that has really gone by: while the program runs, the
 *      browser can call nothing else.
 */
#include <math.h>
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

static double ultimo;  /* when the time was last handed to Allegro, in ms */

/* Allegro's timer routines, for the time gone by since the last call. */
static void marcar_tempo(void)
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
   return 0;
}

static void finalizar_timer(void)
{
}

/* The rest is counted from the call: showing the frame takes part of it,
 * as an X server shows it while the native program sleeps. The browser's
 * timer waits whole milliseconds and comes late, by up to a millisecond
 * and more, never early; some browsers' clocks tick whole milliseconds
 * too. It waits all but the last whole millisecond left, and that one and
 * the fraction are waited out on the clock, so that the rest ends when
 * the clock says it does, as a native rest does, not a timer's lateness
 * after. */
static void descansar(unsigned int tempo, AL_METHOD(void, callback, (void)))
{
   double fim = emscripten_get_now() + tempo;
   double falta;

   (void)callback;
   _web_apresentar_tela();
   marcar_tempo();
   falta = floor(fim - emscripten_get_now()) - 1;
   emscripten_sleep(falta > 0 ? (unsigned int)falta : 0);
   while (emscripten_get_now() < fim)
      ;
   marcar_tempo();
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
