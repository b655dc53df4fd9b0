// The board editor's work: painting, the title, saves, links and permission bits, the checker.
#include "ajuda.h"
#include "edicao.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// A plain board: 12 lines of 16 cells, each row unlike the one above it.
const std::string QUATRO =
    "0123012301230123\n1230123012301230\n2301230123012301\n3012301230123012\n";
const std::string DOZE = QUATRO + QUATRO + QUATRO;

// In a folder of its own, the plain board read and saved as t.map; no save leaves a temporary file.
struct Gravar : NaPasta {
    void SetUp() override {
        NaPasta::SetUp();
        FILE* f = abrir_texto(DOZE);
        ler_tabuleiro(f, IMAGENS);
        fclose(f);
        ASSERT_EQ(gravar_tabuleiro("t.map"), 1);
        ASSERT_EQ(conteudo("t.map"), DOZE); // 12 lines of 16, byte for byte
        limpar_tabuleiro();
    }

    void TearDown() override {
        for (const auto& arquivo : std::filesystem::recursive_directory_iterator(pasta))
            EXPECT_EQ(arquivo.path().string().find(SUFIXO_TEMPORARIO), std::string::npos)
                << "a temporary file left: " << arquivo.path();
        NaPasta::TearDown();
    }
};

// A cell changes only inside the board and into something else, with its kind's images; a line
// paints every cell under it, both ends included, none jumped over, none left of the window.
struct Pintar : NoTabuleiro {};
TEST_F(Pintar, CelulaELinha) {
    EXPECT_EQ(pintar_celula(15, 11, '2', IMAGENS), 1);
    EXPECT_EQ(pintar_celula(15, 11, '2', IMAGENS), 0);
    EXPECT_TRUE(mapa[15][11]->imagem_movendo == IMAGENS[IMAGEM_MONSTRO_MOVENDO] &&
                mapa[15][11]->imagem_parado == IMAGENS[IMAGEM_MONSTRO_PARADO]);
    EXPECT_EQ(pintar_celula(15, 11, '3', IMAGENS), 1);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {LARGURA_TABULEIRO, 0}, {0, ALTURA_TABULEIRO}})
        EXPECT_EQ(pintar_celula(x, y, '1', IMAGENS), 0) << x << "," << y;
    EXPECT_EQ(pintar_celula(15, 11, '0', IMAGENS), 1);
    EXPECT_EQ(pintar_linha(0, 0, 200, 100, '1', IMAGENS), 5);
    EXPECT_EQ(pintar_linha(-30, 125, 60, 125, '2', IMAGENS), 2);
    EXPECT_EQ(pintar_linha(-40, 175, -1, 175, '2', IMAGENS), 0);
    EXPECT_EQ(pintar_linha(120, 170, 120, 170, '3', IMAGENS), 1);
    EXPECT_EQ(tabuleiro(), (Desenho{"11", "..11", "22..1", "..3"}));
}

// The file without its folder, '*' while unsaved, the brush and the aviso.
TEST(Titulo, ArquivoAlteradoPincelEAviso) {
    EXPECT_EQ(titulo("a/t.map", 1, '2', AVISO_SAIR),
              "t.map* - pincel: monstro - Esc de novo sai sem gravar - tabuleiro2-editor");
    EXPECT_EQ(titulo("t.map", 0, '0', AVISO_SOMENTE_LEITURA),
              "t.map - pincel: vazio - somente leitura, nao gravado - tabuleiro2-editor");
}

// A full disk, a folder gone, a folder in the way: the board stays as it was.
TEST_F(Gravar, FalhaNaoMudaNada) {
    rlimit livre, cheio = {100, RLIM_INFINITY}; // a disk full after 100 bytes
    getrlimit(RLIMIT_FSIZE, &livre);
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &cheio);
    for (const char* nome : {"t.map", "sumida/t.map", "t.map/t.map"})
        EXPECT_EQ(gravar_tabuleiro(nome), 0) << nome;
    setrlimit(RLIMIT_FSIZE, &livre);
    EXPECT_EQ(conteudo("t.map"), DOZE);
}

// As careful editors keep files: the owner's bits, the link, a read-only board.
TEST_F(Gravar, LinksEPermissoes) {
    mkdir("outra", 0700);
    EXPECT_EQ(symlink("../t.map", "outra/link.map"), 0);
    chmod("t.map", 0664); // wider than a umask of 022 lets a new file be
    EXPECT_EQ(gravar_tabuleiro("outra/link.map"), 1);
    struct stat alvo, link;
    EXPECT_TRUE(stat("t.map", &alvo) == 0 && (alvo.st_mode & 07777) == 0664);
    EXPECT_TRUE(lstat("outra/link.map", &link) == 0 && S_ISLNK(link.st_mode));
    const std::string vazio = repetir(std::string(LARGURA_TABULEIRO, '0') + "\n", ALTURA_TABULEIRO);
    EXPECT_EQ(conteudo("t.map"), vazio);
    chmod("t.map", 0444);
    testing::internal::CaptureStderr();
    EXPECT_EQ(gravar_tabuleiro("outra/link.map"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Tabuleiro nao pode ser gravado: outra/link.map: somente leitura\n");
    EXPECT_EQ(conteudo("t.map"), vazio);
}

// A file in, the checker's findings out.
struct Achados {
    const char* nome;
    std::string arquivo, achados;
};
struct Verificar : testing::TestWithParam<Achados> {};

TEST_P(Verificar, UmaLinhaPorAchado) {
    FILE* f = abrir_texto(GetParam().arquivo);
    EXPECT_EQ(verificar_tabuleiro(f, "t"), GetParam().achados);
    fclose(f);
}

const Achados casos[] = {
    {"caracteres_ignorados", DOZE.substr(0, 17) + "0123 x0123\t01230123\r\n" + DOZE.substr(34),
     "t:2: caracteres ignorados: ' ' 'x' '\\t'\n"},
    {"linhas_longa_e_curta",
     DOZE.substr(0, 17) + "01230123012301230\n012301230123012\n" + DOZE.substr(51),
     "t:2: celulas na linha: 17 em vez de 16\nt:3: celulas na linha: 15 em vez de 16\n"},
    {"celulas_alem_das_192", DOZE + "33",
     "t:13: celulas na linha: 2 em vez de 16\nt:13: celulas alem das 192, ignoradas: 2\n"},
    {"celulas_de_menos", DOZE.substr(0, 187), "t:11: celulas: so 176 de 192, o resto fica vazio\n"},
};
INSTANTIATE_TEST_SUITE_P(Verificar, Verificar, testing::ValuesIn(casos), nome_do_caso<Achados>);

// Whatever the file, a few characters named a line and a few findings, the rest counted.
TEST(Verificar, SaidaLimitada) {
    const std::string lixo = std::string(1 << 20, '\0') + std::string(100000, '\n');
    FILE* f = abrir_texto(lixo);
    const std::string achados = verificar_tabuleiro(f, "t");
    fclose(f);
    EXPECT_LT(achados.size(), 2048u);
    EXPECT_EQ(achados.substr(0, achados.find('\n')),
              "t:1: caracteres ignorados:" + repetir(" '\\x00'", 8) + " e mais 1048568");
    EXPECT_NE(achados.find("\nt: e mais 99981 achados\n"), std::string::npos) << achados;
}

} // namespace
