/* Configuration of Allegro for the browser, built with emscripten: what
 * the platform has, and the wrapped main, whose status goes to exit(). */
#ifndef ALWEBCFG_H
#define ALWEBCFG_H

#ifndef SCAN_DEPEND
   #include <fcntl.h>
   #include <unistd.h>
#endif

/* The program's main is renamed; the platform's main (wmain.c) calls it
 * through _web_main, with or without argc and argv as it was written. */
#ifndef ALLEGRO_NO_MAGIC_MAIN
   #define ALLEGRO_MAGIC_MAIN
   #define main _mangled_main
   #undef END_OF_MAIN
   #ifdef __cplusplus
      #define END_OF_MAIN()                                                        \
         inline int _web_chamar(int (*m)(), int, char **) { return m(); }           \
         inline int _web_chamar(int (*m)(int, char **), int c, char **v) { return m(c, v); } \
         extern "C" int _web_main(int c, char **v) { return _web_chamar(_mangled_main, c, v); }
   #else
      #define END_OF_MAIN() \
         int _web_main(int c, char **v) { return _mangled_main(c, v); }
   #endif
#else
   #undef END_OF_MAIN
   #define END_OF_MAIN()
#endif

#define ALLEGRO_HAVE_DIRENT_H   1
#define ALLEGRO_HAVE_INTTYPES_H 1
#define ALLEGRO_HAVE_STDINT_H   1
#define ALLEGRO_HAVE_SYS_TIME_H 1
#define ALLEGRO_HAVE_SYS_STAT_H 1
#define ALLEGRO_HAVE_MEMCMP     1

/* Allegro's own versions of what the C library lacks. */
#define ALLEGRO_NO_STRICMP
#define ALLEGRO_NO_STRLWR
#define ALLEGRO_NO_STRUPR

/* The programs draw in 16 bits and load 8-bit images: no other depth. */
#undef ALLEGRO_COLOR24
#undef ALLEGRO_COLOR32

#define ALLEGRO_PLATFORM_STR  "Web"
#define ALLEGRO_USE_CONSTRUCTOR
#define ALLEGRO_LITTLE_ENDIAN

#ifndef ALLEGRO_NO_ASM
   #define ALLEGRO_NO_ASM
#endif

#define ALLEGRO_EXTRA_HEADER     "allegro/platform/alweb.h"
#define ALLEGRO_INTERNAL_HEADER  "allegro/platform/aintweb.h"

#endif
