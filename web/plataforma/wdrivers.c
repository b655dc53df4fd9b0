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

_DRIVER_INFO _keyboard_driver_list[] =
{
   { KEYBOARD_WEB, &keyboard_web, TRUE  },
   { 0,            NULL,          0     }
};

_DRIVER_INFO _timer_driver_list[] =
{
   { TIMER_WEB,    &timer_web,    TRUE  },
   { 0,            NULL,          0     }
};

_DRIVER_INFO _mouse_driver_list[] =
{
   { MOUSE_WEB,    &mouse_web,    TRUE  },
   { 0,            NULL,          0     }
};

_DRIVER_INFO _gfx_driver_list[] =
{
   { GFX_WEB,      &gfx_web,      TRUE  },
   { 0,            NULL,          0     }
};

BEGIN_DIGI_DRIVER_LIST
END_DIGI_DRIVER_LIST

BEGIN_MIDI_DRIVER_LIST
END_MIDI_DRIVER_LIST

BEGIN_JOYSTICK_DRIVER_LIST
END_JOYSTICK_DRIVER_LIST
