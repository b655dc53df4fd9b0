/*
 *      The browser platform's driver lists: one of each kind, no sound and
 *      no joystick.
 */
#include "allegro.h"

_DRIVER_INFO _system_driver_list[] =
{
   { SYSTEM_WEB,   &system_web,   TRUE  },
   { SYSTEM_NONE,  &system_none,  FALSE },
   { 0,            NULL,          0     }
};

/* A list of one driver, the one autodetected. */
#define LISTA_DE_UM(lista, id, driver) \
   _DRIVER_INFO lista[] = { { id, &driver, TRUE }, { 0, NULL, 0 } }

LISTA_DE_UM(_keyboard_driver_list, KEYBOARD_WEB, keyboard_web);
LISTA_DE_UM(_timer_driver_list, TIMER_WEB, timer_web);
LISTA_DE_UM(_mouse_driver_list, MOUSE_WEB, mouse_web);
LISTA_DE_UM(_gfx_driver_list, GFX_WEB, gfx_web);

BEGIN_DIGI_DRIVER_LIST
END_DIGI_DRIVER_LIST

BEGIN_MIDI_DRIVER_LIST
END_MIDI_DRIVER_LIST

BEGIN_JOYSTICK_DRIVER_LIST
END_JOYSTICK_DRIVER_LIST
