/* Shared by the browser platform's drivers. */
#ifndef AINTWEB_H
#define AINTWEB_H

/* Copies the screen bitmap to the page's canvas; the timer driver calls it
 * whenever the program rests, so each frame shows once it is finished. */
AL_FUNC(void, _web_apresentar_tela, (void));

/* Shows (1) or hides the system cursor the mouse driver chose; the
 * graphics driver calls it as show_mouse and hide_mouse. */
AL_FUNC(void, _web_mostrar_cursor, (int visivel));

#endif
