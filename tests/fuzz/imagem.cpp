// Whatever the bytes of an image file, carregar_imagem gives NULL or a whole image of sane size.
#include "carregador.h"
#include "janela.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

static char arquivo[64];

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) abort();
    set_color_depth(PROFUNDIDADE_COR);
    snprintf(arquivo, sizeof arquivo, "/tmp/fuzz_imagem-%d.bmp", (int)getpid());
    atexit([] { unlink(arquivo); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    FILE* f = fopen(arquivo, "wb");
    if (f == NULL || fwrite(dados, 1, tamanho, f) != tamanho || fclose(f) != 0) abort();
    BITMAP* imagem = carregar_imagem(arquivo);
    if (imagem != NULL) {
        if (std::min(imagem->w, imagem->h) < 1) abort();
        if (std::max(imagem->w, imagem->h) > LADO_MAXIMO_IMAGEM) abort();
        getpixel(imagem, imagem->w - 1, imagem->h - 1);
        destroy_bitmap(imagem);
    }
    return 0;
}
