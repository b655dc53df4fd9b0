// Makes the images the real game is run with in the tests: a BMP of one
// colour with a white mark in its top-left corner, so that a turn shows.
// Usage: fazer_bmp LARGURA ALTURA R G B ARQUIVO
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 7) {
        fprintf(stderr, "usage: fazer_bmp LARGURA ALTURA R G B ARQUIVO\n");
        return 2;
    }
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return 1;
    set_color_depth(24);
    int largura = atoi(argv[1]), altura = atoi(argv[2]);
    BITMAP* b = create_bitmap(largura, altura);
    if (b == NULL) return 1;
    clear_to_color(b, makecol(atoi(argv[3]), atoi(argv[4]), atoi(argv[5])));
    rectfill(b, 0, 0, largura / 5, altura / 5, makecol(255, 255, 255));
    int gravou = save_bitmap(argv[6], b, NULL) == 0;
    destroy_bitmap(b);
    return gravou ? 0 : 1;
}
END_OF_MAIN()
