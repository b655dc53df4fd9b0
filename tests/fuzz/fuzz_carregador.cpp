// The board loader under libFuzzer: any bytes at all make a board file, and
// the board must then hold exactly one element for each '1', '2' or '3'
// among the first 192 cell characters ('0' to '3'), of that kind, with that
// kind's images, in the cell the character's position maps to, and nothing
// else; reading must stop at the 192nd cell character or at end of file.
#include "carregador.h"
#include "tabuleiro.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const int CELULAS = LARGURA_TABULEIRO * ALTURA_TABULEIRO;

// Five distinct images, made once; the loader only stores the pointers.
BITMAP* imagens[TOTAL_IMAGENS];

void verificar(bool ok, const char* o_que) {
    if (ok) return;
    fprintf(stderr, "loader: %s\n", o_que);
    abort();
}

// The images an element of kind tipo must carry (moving, resting).
void imagens_do_tipo(int tipo, BITMAP** movendo, BITMAP** parado) {
    static const int indices[3][2] = {{IMAGEM_PAREDE, IMAGEM_PAREDE},
                                      {IMAGEM_MONSTRO_MOVENDO, IMAGEM_MONSTRO_PARADO},
                                      {IMAGEM_AVATAR_MOVENDO, IMAGEM_AVATAR_PARADO}};
    *movendo = imagens[indices[tipo - PAREDE][0]];
    *parado = imagens[indices[tipo - PAREDE][1]];
}

void conferir_celula(int x, int y, char esperado) {
    Elemento* e = mapa[x][y];
    if (esperado < '1') {
        verificar(e == NULL, "element where no cell character asked for one");
        return;
    }
    verificar(e != NULL, "cell character without its element");
    BITMAP *movendo, *parado;
    imagens_do_tipo(esperado - '0', &movendo, &parado);
    verificar(e->tipo == esperado - '0', "element of the wrong kind");
    verificar(e->imagem_movendo == movendo && e->imagem_parado == parado, "wrong images");
    verificar(e->direcao == PARADO && e->ultima_jogada == 0 && !e->movendo, "not fresh");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    verificar(install_allegro(SYSTEM_NONE, &errno, atexit) == 0, "Allegro");
    for (BITMAP*& i : imagens)
        i = create_bitmap_ex(8, 1, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static char vazio;
    FILE* f = fmemopen(tamanho ? (void*)dados : &vazio, tamanho, "r");
    verificar(f != NULL, "fmemopen");
    ler_tabuleiro(f, imagens);
    long lidos = ftell(f);
    fclose(f);

    // What the bytes should give: the cell characters in order, up to 192.
    char esperado[CELULAS] = {};
    int n = 0;
    size_t fim = tamanho;
    for (size_t i = 0; i < tamanho && n < CELULAS; i++) {
        if (dados[i] < '0' || dados[i] > '3') continue;
        esperado[n++] = (char)dados[i];
        if (n == CELULAS) fim = i + 1;
    }
    verificar(lidos == (long)fim, "did not stop reading at a full board or at end of file");

    for (int i = 0; i < CELULAS; i++)
        conferir_celula(i % LARGURA_TABULEIRO, i / LARGURA_TABULEIRO, esperado[i]);
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++) {
            delete mapa[x][y];
            mapa[x][y] = NULL;
        }
    return 0;
}
