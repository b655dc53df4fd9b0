/*
 *      The browser platform's system driver: start-up, messages, the
 *      program's place and the window title, which goes to the page.
 */
#include <stdio.h>
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

/* The title to the page's Module.titulo(text) when it gives one, or to the
 * document's title. */
EM_JS(void, mudar_titulo, (const char *titulo), {
   var texto = UTF8ToString(titulo);
   if (Module.titulo) Module.titulo(texto);
   else document.title = texto;
});

static int iniciar_sistema(void)
{
   os_type = OSTYPE_UNKNOWN;
   os_multitasking = TRUE;
   return 0;
}

static void finalizar_sistema(void)
{
}

/* The program lives in the root of the page's file system, where the page
 * puts its data: a program looks for its files beside itself. */
static void nome_executavel(char *saida, int tamanho)
{
   do_uconvert("/programa", U_ASCII, saida, U_CURRENT, tamanho);
}

static void definir_titulo(AL_CONST char *titulo)
{
   char texto[1024];
   mudar_titulo(uconvert(titulo, U_CURRENT, texto, U_UTF8, sizeof(texto)));
}

/* allegro_message: to standard error, which the page shows. */
static void mostrar_mensagem(AL_CONST char *mensagem)
{
   char texto[1024];
   fputs(uconvert_toascii(mensagem, texto), stderr);
}

static int profundidade_desktop(void)
{
   return 32;
}

SYSTEM_DRIVER system_web =
{
   SYSTEM_WEB,
   empty_string,
   empty_string,
   "Web",
   iniciar_sistema,
   finalizar_sistema,
   nome_executavel,        /* get_executable_name */
   NULL,                   /* find_resource */
   definir_titulo,
   NULL,                   /* set_close_button_callback */
   mostrar_mensagem,
   NULL,                   /* assert */
   NULL,                   /* save_console_state */
   NULL,                   /* restore_console_state */
   NULL,                   /* create_bitmap */
   NULL,                   /* created_bitmap */
   NULL,                   /* create_sub_bitmap */
   NULL,                   /* created_sub_bitmap */
   NULL,                   /* destroy_bitmap */
   NULL,                   /* read_hardware_palette */
   NULL,                   /* set_palette_range */
   NULL,                   /* get_vtable */
   NULL,                   /* set_display_switch_mode */
   NULL,                   /* display_switch_lock */
   profundidade_desktop,
   NULL,                   /* get_desktop_resolution */
   NULL,                   /* get_gfx_safe_mode */
   NULL,                   /* yield_timeslice */
   NULL,                   /* create_mutex */
   NULL,                   /* destroy_mutex */
   NULL,                   /* lock_mutex */
   NULL,                   /* unlock_mutex */
   NULL,                   /* gfx_drivers */
   NULL,                   /* digi_drivers */
   NULL,                   /* midi_drivers */
   NULL,                   /* keyboard_drivers */
   NULL,                   /* mouse_drivers */
   NULL,                   /* joystick_drivers */
   NULL                    /* timer_drivers */
};
