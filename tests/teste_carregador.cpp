// The board file: which characters make cells, how they wrap into rows,
// the 192-cell limit, the images each kind gets; which images load.
#include "ajuda.h"
#include "carregador.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string repetir(const std::string& s, int vezes) {
    std::string r;
    while (vezes-- > 0)
        r += s;
    return r;
}

struct Carregador : ::testing::Test {
    BITMAP* imagens[TOTAL_IMAGENS];
    void SetUp() override {
        for (BITMAP*& i : imagens)
            i = create_bitmap(1, 1);
    }
    void TearDown() override {
        limpar_tabuleiro();
        for (BITMAP* i : imagens)
            destroy_bitmap(i);
    }
    // Reads a board from text; returns how far into it the loader read.
    long ler(const std::string& texto) {
        FILE* f = fmemopen((void*)texto.data(), texto.size(), "r");
        ler_tabuleiro(f, imagens);
        long lidos = ftell(f);
        fclose(f);
        return lidos;
    }
};

struct Caso {
    const char* nome;
    std::string arquivo;
    Desenho tabuleiro;
};
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nome;
}

const std::string linha_cheia = repetir("2", 16);
const Caso casos[] = {
    {"vazio", "", {}},
    {"so_quebras_de_linha", "\n\n\r\n\n", {}},
    {"linhas_com_crlf",
     repetir("1000000000000002\r\n", 11) + "3000000000000001\r\n",
     {"1..............2", "1..............2", "1..............2", "1..............2",
      "1..............2", "1..............2", "1..............2", "1..............2",
      "1..............2", "1..............2", "1..............2", "3..............1"}},
    {"linha_curta_nao_termina_a_linha",
     "123\n" + repetir("0", 12) + "2\n3\n",
     {"123............2", "3"}},
    {"outros_caracteres_nao_ocupam_celula", "12345678\n1x2 3\t9a0b1", {"123123.1"}},
    {"oito_celulas", "10203010", {"1.2.3.1."}},
    {"binario", std::string("\0\3771\0\2002", 6), {"12"}},
    {"alem_de_192_e_ignorado", repetir(linha_cheia + "\n", 12) + "3333\n",
     Desenho(12, linha_cheia)},
};

struct CarregadorTabela : Carregador, ::testing::WithParamInterface<Caso> {};

TEST_P(CarregadorTabela, CelulasNoTabuleiro) {
    ler(GetParam().arquivo);
    EXPECT_EQ(tabuleiro(), completar(GetParam().tabuleiro));
}
INSTANTIATE_TEST_SUITE_P(Casos, CarregadorTabela, ::testing::ValuesIn(casos),
                         [](const ::testing::TestParamInfo<Caso>& i) { return i.param.nome; });

TEST_F(Carregador, ParaDeLerComOTabuleiroCheio) {
    EXPECT_EQ(ler(repetir("0", 192) + repetir("1", 1 << 20)), 192);
}

TEST_F(Carregador, CadaTipoRecebeSuasImagensENadaMais) {
    ler("123");
    const Elemento *parede = mapa[0][0], *monstro = mapa[1][0], *avatar = mapa[2][0];
    EXPECT_EQ(parede->imagem_movendo, imagens[IMAGEM_PAREDE]);
    EXPECT_EQ(parede->imagem_parado, imagens[IMAGEM_PAREDE]);
    EXPECT_EQ(monstro->imagem_movendo, imagens[IMAGEM_MONSTRO_MOVENDO]);
    EXPECT_EQ(monstro->imagem_parado, imagens[IMAGEM_MONSTRO_PARADO]);
    EXPECT_EQ(avatar->imagem_movendo, imagens[IMAGEM_AVATAR_MOVENDO]);
    EXPECT_EQ(avatar->imagem_parado, imagens[IMAGEM_AVATAR_PARADO]);
    for (const Elemento* e : {parede, monstro, avatar})
        EXPECT_TRUE(e->direcao == 0 && e->ultima_jogada == 0 && !e->movendo);
}

// Runs in a fresh temporary folder, the working directory while it lasts.
struct NaPasta : ::testing::Test {
    char pasta[32] = "/tmp/tabuleiro2-XXXXXX";
    void SetUp() override { ASSERT_EQ(chdir(mkdtemp(pasta)), 0); }
    void TearDown() override {
        limpar_tabuleiro();
        EXPECT_EQ(system((std::string("rm -rf ") + pasta).c_str()), 0);
    }
    void gravar(const char* nome, const std::string& conteudo) {
        FILE* f = fopen(nome, "wb");
        fwrite(conteudo.data(), 1, conteudo.size(), f);
        fclose(f);
    }
};

TEST_F(NaPasta, ConstruirLeTabuleiroEImagensDaPastaDeTrabalho) {
    for (int i = 0; i < TOTAL_IMAGENS; i++) {
        BITMAP* b = create_bitmap(50, 50);
        clear_to_color(b, makecol(40 * i, 0, 0));
        save_bitmap(ARQUIVOS_IMAGENS[i], b, NULL);
        destroy_bitmap(b);
    }
    gravar("tabuleiro.map", "0123\n3210\n");
    construir();
    EXPECT_EQ(tabuleiro(), completar({".123321."}));
    EXPECT_EQ(getpixel(mapa[2][0]->imagem_movendo, 0, 0), makecol(40, 0, 0));
    EXPECT_EQ(getpixel(mapa[2][0]->imagem_parado, 0, 0), makecol(80, 0, 0));
    EXPECT_EQ(mapa[3][0]->imagem_parado, mapa[4][0]->imagem_parado); // shared per kind
    // The game keeps its images until it ends; the test gives them back.
    for (BITMAP* b : {mapa[1][0]->imagem_parado, mapa[2][0]->imagem_movendo,
                      mapa[2][0]->imagem_parado, mapa[3][0]->imagem_movendo,
                      mapa[3][0]->imagem_parado})
        destroy_bitmap(b);
}

TEST_F(NaPasta, SoCarregaImagemBmpInteira) {
    BITMAP* b = create_bitmap(50, 40);
    clear_to_color(b, makecol(255, 0, 255));
    save_bitmap("inteira.bmp", b, NULL);
    destroy_bitmap(b);
    BITMAP* inteira = carregar_imagem("inteira.bmp");
    ASSERT_NE(inteira, nullptr);
    EXPECT_TRUE(inteira->w == 50 && inteira->h == 40);
    EXPECT_EQ(getpixel(inteira, 49, 39), makecol(255, 0, 255));
    destroy_bitmap(inteira);

    FILE* f = fopen("inteira.bmp", "rb");
    std::string bytes;
    for (int c; (c = fgetc(f)) != EOF;)
        bytes += (char)c;
    fclose(f);
    for (size_t tamanho : {bytes.size() - 1, bytes.size() / 2, (size_t)54, (size_t)20, (size_t)0}) {
        gravar("cortada.bmp", bytes.substr(0, tamanho));
        EXPECT_EQ(carregar_imagem("cortada.bmp"), nullptr) << tamanho << " bytes";
    }
    // Far too wide, far too tall, 7 bits a pixel, run-length compressed.
    for (auto [byte, valor] : {std::pair{21, 8}, {25, 8}, {28, 7}, {30, 1}}) {
        std::string estranha = bytes;
        estranha[byte] = (char)valor;
        gravar("estranha.bmp", estranha);
        EXPECT_EQ(carregar_imagem("estranha.bmp"), nullptr) << "byte " << byte;
    }
    gravar("texto.bmp", "not a picture\n");
    ASSERT_EQ(mkdir("pasta.bmp", 0700), 0);
    for (const char* nome : {"texto.bmp", "pasta.bmp", "ausente.bmp"})
        EXPECT_EQ(carregar_imagem(nome), nullptr) << nome;
    EXPECT_EXIT(exigir_imagem(NULL, "avatar1.bmp"), ::testing::ExitedWithCode(2),
                "^Imagem nao pode ser carregada: avatar1.bmp\n$");
}

} // namespace
