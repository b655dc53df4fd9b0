/*
 *      The browser platform's timer driver: rest() shows the finished frame
 *      on the page, then sleeps with emscripten_sleep, which hands the
 *      browser back its event loop (ASYNCIFY) so that a program's blocking
 *      loop runs unchanged. No timer interrupts.
 */
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

static int iniciar_timer(void)
{
   return 0;
}

static void finalizar_timer(void)
{
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
