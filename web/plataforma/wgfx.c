/*
 *      The browser platform's graphics driver. The screen is a memory
 *      bitmap; _web_apresentar_tela converts it to 32 bits with Allegro's
 *      own colour conversion, exactly as the X11 driver does for a
 *      true-colour display, and puts it on the page's canvas. Allegro
 *      converts each of the 65536 colours once, into a table that then
 *      gives every pixel in the canvas's own byte order.
 */
#include <string.h>
#include <emscripten.h>

#include "allegro.h"
#include "allegro/internal/aintern.h"
#include "allegro/platform/aintweb.h"

static BITMAP *tela;                      /* the screen */
static uint32_t *pixels;                  /* the screen in 32-bit RGBA */
static uint32_t *rgba;                    /* each 15- or 16-bit colour's RGBA */

/* The canvas of the page, sized w x h, gets the RGBA pixels. */
EM_JS(void, pintar_canvas, (const unsigned char *rgba, int w, int h), {
   var canvas = Module.canvas;
   if (canvas.width != w || canvas.height != h) {
      canvas.width = w;
      canvas.height = h;
   }
   var imagem = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, w * h * 4), w, h);
   canvas.getContext('2d').putImageData(imagem, 0, 0);
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

/* The table of every colour's RGBA, converted by Allegro from depth
 * profundidade to 32 bits; NULL when it cannot. */
static uint32_t *converter_cores(int profundidade)
{
   COLORCONV_BLITTER_FUNC *converter = _get_colorconv_blitter(profundidade, 32);
   uint16_t *cores = _AL_MALLOC_ATOMIC(65536 * 2);
   uint32_t *tabela = _AL_MALLOC_ATOMIC(65536 * 4);
   GRAPHICS_RECT origem, destino;
   int i, feita = converter && cores && tabela;

   if (feita) {
      for (i = 0; i < 65536; i++)
         cores[i] = i;
      origem.width = destino.width = origem.height = destino.height = 256;
      origem.pitch = 256 * 2;
      origem.data = cores;
      destino.pitch = 256 * 4;
      destino.data = tabela;
      converter(&origem, &destino);
      /* 0x00RRGGBB becomes 0xFFBBGGRR: the canvas's R, G, B, A bytes. */
      for (i = 0; i < 65536; i++) {
         uint32_t p = tabela[i];
         tabela[i] = 0xFF000000 | (p & 0x00FF00) | (p >> 16 & 0xFF) | (p & 0xFF) << 16;
      }
   }
   if (converter)
      _release_colorconv_blitter(converter);
   _AL_FREE(cores);
   if (!feita) {
      _AL_FREE(tabela);
      return NULL;
   }
   return tabela;
}

/* Converts the screen to RGBA and puts it on the canvas. */
static void pintar_tela(void)
{
   const uint16_t *origem = (const uint16_t *)tela->line[0];
   int i, n = tela->w * tela->h;

   for (i = 0; i < n; i++)
      pixels[i] = rgba[origem[i]];
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
   if (bytes != 2 || !(rgba = converter_cores(profundidade))) {
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
      _AL_FREE(rgba);
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
   _AL_FREE(rgba);
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
