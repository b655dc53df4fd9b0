// The board loader under libFuzzer: any bytes at all make a board file, and
// the board must then hold exactly one element for each '1', '2' or '3'
// among the first 192 cell characters ('0' to '3'), of that kind, with that
// kind's images, in the cell the character's position maps to, and nothing
// else; reading must stop at the 192nd cell character or at end of file.
#include "ajuda.h"
#include "carregador.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static BITMAP* imagens[TOTAL_IMAGENS]; // distinct; the loader only stores them

static void verificar(bool ok, const char* o_que) {
    if (ok) return;
    fprintf(stderr, "loader: %s\n", o_que);
    abort();
}

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
    std::string celulas;
    size_t fim = tamanho;
    for (size_t i = 0; i < tamanho && celulas.size() < 192; i++) {
        if (dados[i] < '0' || dados[i] > '3') continue;
        celulas += (char)dados[i];
        if (celulas.size() == 192) fim = i + 1;
    }
    verificar(lidos == (long)fim, "did not stop reading at a full board or at end of file");
    Desenho esperado;
    for (size_t i = 0; i < celulas.size(); i += LARGURA_TABULEIRO)
        esperado.push_back(celulas.substr(i, LARGURA_TABULEIRO));
    for (std::string& linha : esperado)
        for (char& c : linha)
            c = c == '0' ? '.' : c;
    verificar(tabuleiro() == completar(esperado), "elements not where the cell characters are");

    // Moving and resting images of each kind, in kind order.
    const int por_tipo[3][2] = {{IMAGEM_PAREDE, IMAGEM_PAREDE},
                                {IMAGEM_MONSTRO_MOVENDO, IMAGEM_MONSTRO_PARADO},
                                {IMAGEM_AVATAR_MOVENDO, IMAGEM_AVATAR_PARADO}};
    for (auto& coluna : mapa)
        for (const Elemento* e : coluna) {
            if (e == NULL) continue;
            const int* i = por_tipo[e->tipo - PAREDE];
            verificar(e->imagem_movendo == imagens[i[0]] && e->imagem_parado == imagens[i[1]],
                      "wrong images");
            verificar(e->direcao == PARADO && e->ultima_jogada == 0 && !e->movendo, "not fresh");
        }
    limpar_tabuleiro();
    return 0;
}
