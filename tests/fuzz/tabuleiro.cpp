// Whatever a board file's bytes, the checker says a few KB at most, and the loader reads a file
// the checker finds nothing in exactly as it looks.
#include "ajuda.h"
#include "edicao.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const std::string texto((const char*)dados, tamanho);
    FILE* f = abrir_texto(texto);
    ler_tabuleiro(f, IMAGENS);
    rewind(f);
    const std::string achados = verificar_tabuleiro(f, "t");
    fclose(f);
    if (achados.size() >= 4096) abort(); // the checker says too much
    // Twelve lines of sixteen cells, '\n' or "\r\n" after each.
    for (int y = 0, i = 0; achados.empty() && y < ALTURA_TABULEIRO; y++) {
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            if (caractere_da_celula(x, y) != texto[i++]) abort(); // a plain board read otherwise
        i += texto[i] == '\r' ? 2 : 1;
    }
    esvaziar_tabuleiro();
    return 0;
}
