/*
 *      The browser platform's graphics driver. The screen is a memory
 *      bitmap; _web_apresentar_tela converts it to 32 bits with Allegro's
 *      own colour conversion, the blitter the X11 driver uses on a
 *      true-colour display, and puts it on the page's canvas. That blitter
 *      adds two of its table's entries a pixel; the tables are laid out
 *      once in the canvas's own byte order, so that it gives the canvas's
 *      pixels directly.
 */
#include <string.h>
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

static BITMAP *tela;                      /* the screen */
static uint32_t *pixels;                  /* the screen in 32-bit RGBA */
static COLORCONV_BLITTER_FUNC *converter; /* Allegro's, to the canvas's RGBA */

/* The tables of Allegro's 15- and 16-bit conversions (misc/colconv.c). */
extern int *_colorconv_rgb_scale_5x35;

/* The canvas of the page, sized w x h, gets the RGBA pixels. Its context
 * is opaque, as every pixel is, and kept in memory (willReadFrequently),
 * as the X11 driver's window image is: it only ever takes whole frames
 * from memory, which WebKit would otherwise first set up its graphics card
 * for, then upload each to. */
EM_JS(void, pintar_canvas, (const unsigned char *rgba, int w, int h), {
   var canvas = Module.canvas;
   if (canvas.width != w || canvas.height != h) {
      canvas.width = w;
      canvas.height = h;
   }
   var imagem = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4), w, h);
   canvas.getContext('2d', { alpha: false, willReadFrequently: true }).putImageData(imagem, 0, 0);
});

/* Tells the page that a frame is shown, changed or not. */
EM_JS(void, avisar_quadro, (void), {
   if (Module.quadro) Module.quadro();
});

/* As the X11 driver on a display whose blue is the low byte: the colours
 * of every depth laid out red first, so the conversion is a plain one. */
static void ordenar_cores(void)
{
   _rgb_r_shift_15 = 10; _rgb_g_shift_15 = 5; _rgb_b_shift_15 = 0;
   _rgb_r_shift_16 = 11; _rgb_g_shift_16 = 5; _rgb_b_shift_16 = 0;
   _rgb_r_shift_24 = 16; _rgb_g_shift_24 = 8; _rgb_b_shift_24 = 0;
   _rgb_r_shift_32 = 16; _rgb_g_shift_32 = 8; _rgb_b_shift_32 = 0;
}

/* The screen as last shown, so that an unchanged one (an editor waiting
 * for the mouse, many times a second) costs a comparison, not a repaint. */
static unsigned char *mostrada;
static int mostrada_valida;

/* Allegro's conversion from depth profundidade to 32 bits, giving the
 * canvas's R, G, B, A bytes; NULL when it has none. Its two tables of 256
 * (_colorconv_rgb_scale_5x35: red and green of a colour's high byte,
 * green and blue of its low byte, whose sums never carry from one channel
 * into the next) are turned from 0x00RRGGBB into 0xFFBBGGRR, the opaque
 * alpha in the first only. */
static COLORCONV_BLITTER_FUNC *preparar_conversao(int profundidade)
{
   COLORCONV_BLITTER_FUNC *c = _get_colorconv_blitter(profundidade, 32);
   int i;

   if (!c)
      return NULL;
   for (i = 0; i < 512; i++) {
      uint32_t p = _colorconv_rgb_scale_5x35[i];
      _colorconv_rgb_scale_5x35[i] = (i < 256 ? 0xFF000000 : 0) | (p & 0x00FF00) |
         (p >> 16 & 0xFF) | (p & 0xFF) << 16;
   }
   return c;
}

/* Converts the screen to RGBA and puts it on the canvas. */
static void pintar_tela(void)
{
   GRAPHICS_RECT origem, destino;

   origem.width = destino.width = tela->w;
   origem.height = destino.height = tela->h;
   origem.pitch = tela->line[1] - tela->line[0];
   origem.data = tela->line[0];
   destino.pitch = tela->w * 4;
   destino.data = pixels;
   converter(&origem, &destino);
   pintar_canvas((unsigned char *)pixels, tela->w, tela->h);
}

void _web_apresentar_tela(void)
{
   int tamanho;

   if (!tela)
      return;
   tamanho = tela->h * (tela->line[1] - tela->line[0]);
   if (!mostrada_valida || memcmp(mostrada, tela->line[0], tamanho) != 0) {
      memcpy(mostrada, tela->line[0], tamanho);
      mostrada_valida = TRUE;
      pintar_tela();
   }
   avisar_quadro();
}

static BITMAP *iniciar_video(int w, int h, int v_w, int v_h, int profundidade)
{
   int bytes = BYTES_PER_PIXEL(profundidade);
   void *memoria;

   if ((v_w && v_w != w) || (v_h && v_h != h) || w < 2 || h < 2) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("Resolution not supported"));
      return NULL;
   }
   ordenar_cores();
   if (bytes != 2 || !(converter = preparar_conversao(profundidade))) {
      ustrzcpy(allegro_error, ALLEGRO_ERROR_SIZE, get_config_text("Unsupported color depth"));
      return NULL;
   }
   memoria = _AL_MALLOC_ATOMIC(w * h * bytes);
   pixels = _AL_MALLOC_ATOMIC(w * h * 4);
   mostrada = _AL_MALLOC_ATOMIC(w * h * bytes);
   mostrada_valida = FALSE;
   if (memoria && pixels && mostrada)
      tela = _make_bitmap(w, h, (uintptr_t)memoria, &gfx_web, profundidade, w * bytes);
   if (!tela) {
      _AL_FREE(memoria);
      _AL_FREE(pixels);
      _AL_FREE(mostrada);
      _release_colorconv_blitter(converter);
      return NULL;
   }
   clear_bitmap(tela);
   gfx_web.w = w;
   gfx_web.h = h;
   return tela;
}

static void finalizar_video(BITMAP *b)
{
   (void)b;
   _AL_FREE(tela->line[0]);
   _AL_FREE(pixels);
   _AL_FREE(mostrada);
   _release_colorconv_blitter(converter);
   tela = NULL;
}

/* The system cursor: the browser draws it over the canvas. */
static int mostrar_cursor(BITMAP *b, int x, int y)
{
   (void)b; (void)x; (void)y;
   _web_mostrar_cursor(1);
   return 0;
}

static void esconder_cursor(void)
{
   _web_mostrar_cursor(0);
}

static void mover_cursor(int x, int y)
{
   (void)x; (void)y;
}

static void sincronizar(void)
{
   _web_apresentar_tela();
}

GFX_DRIVER gfx_web =
{
   GFX_WEB,
   empty_string,
   empty_string,
   "Web",
   iniciar_video,
   finalizar_video,
   NULL,                   /* scroll */
   sincronizar,            /* vsync */
   NULL,                   /* set_palette */
   NULL,                   /* request_scroll */
   NULL,                   /* poll_scroll */
   NULL,                   /* enable_triple_buffer */
   NULL,                   /* create_video_bitmap */
   NULL,                   /* destroy_video_bitmap */
   NULL,                   /* show_video_bitmap */
   NULL,                   /* request_video_bitmap */
   NULL,                   /* create_system_bitmap */
   NULL,                   /* destroy_system_bitmap */
   NULL,                   /* set_mouse_sprite */
   mostrar_cursor,         /* show_mouse */
   esconder_cursor,        /* hide_mouse */
   mover_cursor,           /* move_mouse */
   NULL,                   /* drawing_mode */
   NULL,                   /* save_video_state */
   NULL,                   /* restore_video_state */
   NULL,                   /* set_blender_mode */
   NULL,                   /* fetch_mode_list */
   0, 0,                   /* w, h: set by the mode */
   TRUE,                   /* linear */
   0,                      /* bank_size */
   0,                      /* bank_gran */
   0,                      /* vid_mem */
   0,                      /* vid_phys_base */
   TRUE                    /* windowed */
};
