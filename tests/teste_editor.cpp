// The board editor's work: the bytes a save writes and the loader reads
// back, saves that fail, and the checker's findings.
#include "ajuda.h"
#include "edicao.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace {

// A plain board: 12 lines of 16 cells, each row unlike the one above it.
const std::string QUATRO =
    "0123012301230123\n1230123012301230\n2301230123012301\n3012301230123012\n";
const std::string DOZE = QUATRO + QUATRO + QUATRO;

// A plain board read by the loader saves byte for byte; saves that cannot write change nothing.
TEST(Gravar, DozeLinhasDe16OuNada) {
    char pasta[] = "/tmp/tabuleiro2-XXXXXX";
    BITMAP* imagens[TOTAL_IMAGENS] = {}; // nothing is drawn here
    ASSERT_EQ(chdir(mkdtemp(pasta)), 0);
    std::ofstream("esperado") << DOZE;
    FILE* f = fmemopen((void*)DOZE.data(), DOZE.size(), "r");
    ler_tabuleiro(f, imagens);
    fclose(f);
    EXPECT_EQ(gravar_tabuleiro("t.map"), 1);
    EXPECT_EQ(system("cmp t.map esperado"), 0);
    limpar_tabuleiro();
    const std::string temporario = std::string("t.map") + SUFIXO_TEMPORARIO;
    EXPECT_EQ(symlink("/dev/full", temporario.c_str()), 0); // a full disk
    for (const char* nome : {"t.map", "sumida/t.map", "t.map/t.map"})
        EXPECT_EQ(gravar_tabuleiro(nome), 0) << nome;
    EXPECT_EQ(system("cmp t.map esperado"), 0);
    EXPECT_NE(access(temporario.c_str(), F_OK), 0);
    EXPECT_EQ(system((std::string("rm -rf ") + pasta).c_str()), 0);
}

TEST(Verificar, UmaLinhaPorAchado) {
    const std::pair<std::string, std::string> casos[] = {
        {DOZE.substr(0, 17) + "0123 x0123\t01230123\r\n" + DOZE.substr(34),
         "t:2: caracteres ignorados: ' ' 'x' '\\t'\n"},
        {DOZE.substr(0, 17) + "01230123012301230\n012301230123012\n" + DOZE.substr(51),
         "t:2: celulas na linha: 17 em vez de 16\nt:3: celulas na linha: 15 em vez de 16\n"},
        {DOZE + "33",
         "t:13: celulas na linha: 2 em vez de 16\nt:13: celulas alem das 192, ignoradas: 2\n"},
        {DOZE.substr(0, 187), "t:11: celulas: so 176 de 192, o resto fica vazio\n"},
    };
    for (const auto& [arquivo, achados] : casos) {
        FILE* f = fmemopen((void*)arquivo.data(), arquivo.size(), "r");
        EXPECT_EQ(verificar_tabuleiro(f, "t"), achados);
        fclose(f);
    }
}

} // namespace
