// The board file: cell characters, rows, the 192-cell limit, each kind's images; which images load.
#include "ajuda.h"

#include <sys/stat.h>

namespace {

// File in; the board, and what the loader left unread in the file.
struct Caso {
    const char* nome;
    std::string arquivo;
    Desenho tabuleiro;
    std::string resto;
};

struct Ler : NoTabuleiro, testing::WithParamInterface<Caso> {};

TEST_P(Ler, CelulasNoTabuleiro) {
    FILE* f = abrir_texto(GetParam().arquivo);
    ler_tabuleiro(f, IMAGENS);
    std::string resto(100, '\0');
    resto.resize(fread(resto.data(), 1, resto.size(), f));
    fclose(f);
    EXPECT_EQ(tabuleiro(), GetParam().tabuleiro);
    EXPECT_EQ(resto, GetParam().resto);
}

const std::string cheia = repetir("2", LARGURA_TABULEIRO);
const Caso casos[] = {
    {"vazio", "", {}, ""},
    {"linhas_com_crlf", repetir("1000000000000002\r\n", ALTURA_TABULEIRO),
     Desenho(ALTURA_TABULEIRO, "1..............2"), "\r\n"},
    {"linha_curta_continua", "123\n0000000000002\n3\n", {"123............2", "3"}, ""},
    {"outros_caracteres_nao_ocupam_celula", "12345678\n1x2 3\t9a0b1", {"123123.1"}, ""},
    {"binario", std::string("\0\3771\0\2002", 6), {"12"}, ""},
    {"para_de_ler_no_192", repetir(cheia + "\n", ALTURA_TABULEIRO) + "3333\n",
     Desenho(ALTURA_TABULEIRO, cheia), "\n3333\n"},
};
INSTANTIATE_TEST_SUITE_P(Carregador, Ler, testing::ValuesIn(casos), nome_do_caso<Caso>);

// Each image a red of its own: each kind gets its own two, shared by all.
TEST_F(NaPasta, ConstruirLeTabuleiroEImagensDaPastaDeTrabalho) {
    for (int i = 0; i < TOTAL_IMAGENS; i++) {
        BITMAP* b = create_bitmap(1, 1);
        putpixel(b, 0, 0, makecol(40 * i, 0, 0));
        save_bitmap(ARQUIVOS_IMAGENS[i], b, NULL);
        destroy_bitmap(b);
    }
    std::ofstream("tabuleiro.map") << "0123\n3210\n";
    construir();
    EXPECT_EQ(tabuleiro(), Desenho{".123321"});
    const int vermelhos[][2] = {{0, 0}, {40, 80}, {120, 160}}; // moving, standing
    for (int x = 1; x <= 3; x++) {
        const Elemento* e = mapa[x][0];
        EXPECT_EQ(getpixel(e->imagem_movendo, 0, 0), makecol(vermelhos[x - 1][0], 0, 0)) << x;
        EXPECT_EQ(getpixel(e->imagem_parado, 0, 0), makecol(vermelhos[x - 1][1], 0, 0)) << x;
        EXPECT_EQ(e->imagem_parado, mapa[7 - x][0]->imagem_parado);
    }
}

// Only a whole, plain BMP of sane size loads: not one cut short, too wide or too tall, of 7 bits a
// pixel, run-length compressed, a folder or none.
TEST_F(NaPasta, SoCarregaImagemBmpInteira) {
    BITMAP* b = create_bitmap(30, 40);
    save_bitmap("inteira.bmp", b, NULL);
    destroy_bitmap(b);
    BITMAP* inteira = carregar_imagem("inteira.bmp");
    ASSERT_TRUE(inteira != NULL && inteira->w == 30 && inteira->h == 40);
    destroy_bitmap(inteira);
    const std::string bytes = conteudo("inteira.bmp");
    std::vector<std::string> ruins = {bytes.substr(0, bytes.size() - 1), bytes.substr(0, 54),
                                      bytes.substr(0, 20)};
    for (auto [byte, valor] : {std::pair{21, 8}, {25, 8}, {28, 7}, {30, 1}}) {
        ruins.push_back(bytes);
        ruins.back()[byte] = (char)valor;
    }
    for (const std::string& ruim : ruins) {
        std::ofstream("ruim.bmp", std::ios::binary) << ruim;
        EXPECT_EQ(carregar_imagem("ruim.bmp"), nullptr) << ruim.size() << " bytes";
    }
    ASSERT_EQ(mkdir("pasta.bmp", 0700), 0);
    EXPECT_EQ(carregar_imagem("pasta.bmp"), nullptr);
    EXPECT_EQ(carregar_imagem("ausente.bmp"), nullptr);
}

} // namespace
