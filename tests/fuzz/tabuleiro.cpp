// Board files under libFuzzer: whatever the bytes, the loader and the
// checker stay in bounds, the checker says a few KB at most, and a file it
// finds nothing in is read by the loader exactly as it looks.
#include "edicao.h"

#include <cstdio>
#include <cstdlib>

static void exigir_que(bool verdade, const char* o_que) {
    if (verdade) return;
    fprintf(stderr, "%s\n", o_que);
    abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static char vazio;
    BITMAP* imagens[TOTAL_IMAGENS] = {}; // the loader only stores them
    const std::string texto((const char*)dados, tamanho);
    FILE* f = fmemopen(tamanho ? (void*)dados : &vazio, tamanho, "r");
    ler_tabuleiro(f, imagens);
    rewind(f);
    const std::string achados = verificar_tabuleiro(f, "t");
    fclose(f);
    exigir_que(achados.size() < 4096, "the checker says too much");
    // Twelve lines of sixteen cells, '\n' or "\r\n" after each.
    for (int y = 0, i = 0; achados.empty() && y < ALTURA_TABULEIRO; y++) {
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            exigir_que(caractere_da_celula(x, y) == texto[i++], "a plain board read otherwise");
        i += texto[i] == '\r' ? 2 : 1;
    }
    esvaziar_tabuleiro();
    return 0;
}
