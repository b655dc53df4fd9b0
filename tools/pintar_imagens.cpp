// Draws the game's six images and its desktop icon with Allegro's own
// primitives, without a window: the 800 x 600 floor, the wall, the two
// monster and the two avatar sprites (moving and standing), all 50 x 50.
// Moving sprites face down, the way the game draws them unturned; magic
// pink marks where the floor shows through. The icon is a PNG at every
// size asked for, in folders laid out as the hicolor icon theme's.
// Usage: pintar_imagens PASTA PASTA_ICONES [LADO...]
#include "carregador.h"
#include "desenho.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <png.h>
#include <string>
#include <vector>

const int LADO = TAMANHO_CELULA; // a sprite fills one board cell
const int MEIO = LADO / 2;       // the sprite's centre, both ways
const int PROFUNDIDADE = 24;  // the game converts to its own 16 bits on load

// The palette, by name; the avatar's shirt and the monster's skin are
// used by no other image, so they tell the two apart in a screenshot.
static int ROSA, ARGAMASSA, TIJOLO, TIJOLO_CLARO, TIJOLO_ESCURO;
static int PELE_MONSTRO, PELE_MONSTRO_CLARA, PELE_MONSTRO_ESCURA, ESPINHO;
static int CAMISA, CAMISA_ESCURA, PELE, CABELO, SAPATO, BRANCO, PRETO;

static void definir_cores() {
    ROSA = makecol(255, 0, 255);
    ARGAMASSA = makecol(150, 140, 128);
    TIJOLO = makecol(160, 64, 40);
    TIJOLO_CLARO = makecol(200, 100, 64);
    TIJOLO_ESCURO = makecol(104, 40, 24);
    PELE_MONSTRO = makecol(64, 176, 56);
    PELE_MONSTRO_CLARA = makecol(136, 216, 96);
    PELE_MONSTRO_ESCURA = makecol(24, 88, 32);
    ESPINHO = makecol(232, 216, 120);
    CAMISA = makecol(40, 96, 224);
    CAMISA_ESCURA = makecol(16, 48, 136);
    PELE = makecol(240, 196, 152);
    CABELO = makecol(96, 56, 24);
    SAPATO = makecol(56, 40, 32);
    BRANCO = makecol(255, 255, 255);
    PRETO = makecol(16, 16, 16);
}

// A small fixed generator, so every build draws the very same floor.
static unsigned semente = 12345;
static int sortear(int n) {
    semente = semente * 1103515245u + 12345u;
    return (int)((semente >> 16) % (unsigned)n);
}

// Sand-coloured flagstones, one per board cell, each a little different,
// with dark joints so the player can count cells.
static void pintar_chao(BITMAP* b) {
    clear_to_color(b, makecol(120, 104, 80));
    for (int y = 0; y < ALTURA_JANELA; y += LADO)
        for (int x = 0; x < LARGURA_JANELA; x += LADO) {
            int t = sortear(24);
            rectfill(b, x + 1, y + 1, x + LADO - 2, y + LADO - 2,
                     makecol(200 + t, 176 + t, 128 + t));
            hline(b, x + 1, y + 1, x + LADO - 2, makecol(224 + t, 204 + t, 160 + t));
            vline(b, x + 1, y + 1, y + LADO - 2, makecol(224 + t, 204 + t, 160 + t));
            for (int i = 0; i < 14; i++) {
                int s = sortear(30);
                putpixel(b, x + 3 + sortear(LADO - 6), y + 3 + sortear(LADO - 6),
                         makecol(168 + s, 148 + s, 104 + s));
            }
        }
}

// Bricks in four courses, every other one shifted by half a brick; 50 is
// a whole number of bricks wide and the courses alternate evenly, so the
// wall tiles seamlessly both ways.
static void pintar_parede(BITMAP* b) {
    const int alturas[] = {0, LADO / 4, LADO / 2, LADO * 3 / 4, LADO};
    clear_to_color(b, ARGAMASSA);
    for (int fiada = 0; fiada < 4; fiada++) {
        int y0 = alturas[fiada] + 1, y1 = alturas[fiada + 1] - 1;
        int deslocado = fiada % 2 ? LADO / 4 : 0;
        for (int x = deslocado - LADO / 2; x < LADO; x += LADO / 2) {
            rectfill(b, x + 1, y0, x + LADO / 2 - 1, y1, TIJOLO);
            hline(b, x + 1, y0, x + LADO / 2 - 1, TIJOLO_CLARO);
            hline(b, x + 1, y1, x + LADO / 2 - 1, TIJOLO_ESCURO);
        }
    }
}

// The monster, seen from above and facing down: a round green body with
// spikes along its back, claws that stride when it moves, and eyes and
// mouth open when it moves, shut when it stands.
static void pintar_monstro(BITMAP* b, int andando) {
    clear_to_color(b, ROSA);
    int passo = andando ? 5 : 0;
    circlefill(b, 12, 36 + passo, 5, PELE_MONSTRO_ESCURA);
    circlefill(b, 38, 36 - passo, 5, PELE_MONSTRO_ESCURA);
    circlefill(b, 12, 15 - passo, 5, PELE_MONSTRO_ESCURA);
    circlefill(b, 38, 15 + passo, 5, PELE_MONSTRO_ESCURA);
    for (int x = 13; x <= 33; x += 10) triangle(b, x, 12, x + 4, 2, x + 8, 12, ESPINHO);
    circlefill(b, MEIO, MEIO, 17, PELE_MONSTRO_ESCURA);
    circlefill(b, MEIO, MEIO, 16, PELE_MONSTRO);
    circlefill(b, 19, 17, 4, PELE_MONSTRO_CLARA);
    if (andando) {
        circlefill(b, 18, 28, 5, BRANCO);
        circlefill(b, 32, 28, 5, BRANCO);
        circlefill(b, 18, 30, 2, PRETO);
        circlefill(b, 32, 30, 2, PRETO);
        ellipsefill(b, MEIO, 37, 7, 3, PRETO);
        triangle(b, 20, 35, 22, 35, 21, 38, BRANCO);
        triangle(b, 28, 35, 30, 35, 29, 38, BRANCO);
    } else {
        for (int i = 0; i < 2; i++) {
            hline(b, 14, 29 + i, 22, PRETO);
            hline(b, 28, 29 + i, 36, PRETO);
        }
        hline(b, 19, 37, 31, PRETO);
    }
}

// The avatar, seen from above and facing down: shoes, hands, shoulders in
// a blue shirt, and a head whose brown hair is at the back and face at the
// front. Moving, one foot steps ahead and the arms swing.
static void pintar_avatar(BITMAP* b, int andando) {
    clear_to_color(b, ROSA);
    int passo = andando ? 6 : 0;
    ellipsefill(b, 19, 36 + passo, 4, 6, SAPATO);
    ellipsefill(b, 31, 36 - passo, 4, 6, SAPATO);
    circlefill(b, 9, 27 - passo, 4, PELE);
    circlefill(b, 41, 27 + passo, 4, PELE);
    ellipsefill(b, MEIO, MEIO, 17, 10, CAMISA_ESCURA);
    ellipsefill(b, MEIO, MEIO, 16, 9, CAMISA);
    circlefill(b, MEIO, 28, 9, PELE);
    circlefill(b, MEIO, 23, 8, CABELO);
    rectfill(b, 20, 31, 21, 32, PRETO);
    rectfill(b, 29, 31, 30, 32, PRETO);
    hline(b, 23, 35, 27, CABELO);
}

// The icon: the standing avatar on a flagstone.
static void pintar_icone(BITMAP* icone, BITMAP* chao, BITMAP* avatar) {
    blit(chao, icone, 0, 0, 0, 0, LADO, LADO);
    draw_sprite(icone, avatar, 0, 0);
}

// Writes b as an 8-bit RGB PNG with libpng, which dates nothing in it: the
// same image, the same bytes.
static int gravar_png(BITMAP* b, const char* caminho) {
    std::vector<png_byte> pixels;
    for (int y = 0; y < b->h; y++)
        for (int x = 0; x < b->w; x++) {
            int c = getpixel(b, x, y);
            pixels.insert(pixels.end(), {(png_byte)getr(c), (png_byte)getg(c), (png_byte)getb(c)});
        }
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    png.width = b->w;
    png.height = b->h;
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, caminho, 0, pixels.data(), 0, NULL);
}

// Writes b to caminho, as a PNG or else a BMP, and says so when it cannot.
static int gravar(BITMAP* b, const std::string& caminho) {
    int ok = caminho.ends_with(".png") ? gravar_png(b, caminho.c_str())
                                       : save_bitmap(caminho.c_str(), b, NULL) == 0;
    if (!ok) fprintf(stderr, "Imagem nao pode ser gravada: %s\n", caminho.c_str());
    return ok;
}

// The icon scaled to lado x lado, where the hicolor icon theme keeps it
// under pasta: LADOxLADO/apps/tabuleiro2.png.
static int gravar_icone(BITMAP* icone, const std::string& pasta, int lado) {
    if (lado <= 0) {
        fprintf(stderr, "Lado de icone invalido\n");
        return 0;
    }
    BITMAP* b = create_bitmap(lado, lado);
    stretch_blit(icone, b, 0, 0, LADO, LADO, 0, 0, lado, lado);
    std::string medida = std::to_string(lado) + "x" + std::to_string(lado);
    int ok = gravar(b, pasta + "/" + medida + "/apps/tabuleiro2.png");
    destroy_bitmap(b);
    return ok;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "Uso: pintar_imagens PASTA PASTA_ICONES [LADO...]\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        fprintf(stderr, "Allegro nao pode ser iniciado\n");
        return 2;
    }
    set_color_depth(PROFUNDIDADE);
    definir_cores();
    BITMAP* chao = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    BITMAP* sprite[TOTAL_IMAGENS];
    for (BITMAP*& s : sprite) s = create_bitmap(LADO, LADO);
    BITMAP* icone = create_bitmap(LADO, LADO);
    pintar_chao(chao);
    pintar_parede(sprite[IMAGEM_PAREDE]);
    pintar_monstro(sprite[IMAGEM_MONSTRO_MOVENDO], 1);
    pintar_monstro(sprite[IMAGEM_MONSTRO_PARADO], 0);
    pintar_avatar(sprite[IMAGEM_AVATAR_MOVENDO], 1);
    pintar_avatar(sprite[IMAGEM_AVATAR_PARADO], 0);
    pintar_icone(icone, chao, sprite[IMAGEM_AVATAR_PARADO]);
    std::string pasta = argv[1];
    int ok = gravar(chao, pasta + "/" + ARQUIVO_CHAO);
    for (int i = 0; i < TOTAL_IMAGENS && ok; i++)
        ok = gravar(sprite[i], pasta + "/" + ARQUIVOS_IMAGENS[i]);
    for (int i = 3; i < argc && ok; i++)
        ok = gravar_icone(icone, argv[2], atoi(argv[i]));
    for (BITMAP* b : sprite) destroy_bitmap(b);
    destroy_bitmap(icone);
    destroy_bitmap(chao);
    return ok ? 0 : 1;
}
END_OF_MAIN()
