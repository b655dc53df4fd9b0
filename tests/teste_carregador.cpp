// The board file: which characters make cells, how they wrap into rows,
// the 192-cell limit, the images each kind gets, and the missing file.
#include "ajuda_allegro.h"
#include "carregador.h"
#include "tabuleiro.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class Carregador : public ::testing::Test {
protected:
    BITMAP* imagens[TOTAL_IMAGENS];

    void SetUp() override {
        for (BITMAP*& i : imagens) i = create_bitmap(1, 1);
    }
    void TearDown() override {
        limpar_tabuleiro();
        for (BITMAP* i : imagens) destroy_bitmap(i);
    }
    void ler(const std::string& texto) {
        FILE* f = fmemopen((void*)texto.data(), texto.size(), "r");
        ASSERT_NE(f, nullptr);
        ler_tabuleiro(f, imagens);
        fclose(f);
    }
};

struct Caso {
    const char* nome;
    std::string arquivo;
    Desenho tabuleiro;
};

std::string repetir(const std::string& s, int vezes) {
    std::string r;
    for (int i = 0; i < vezes; i++) r += s;
    return r;
}

const Caso casos[] = {
    {"arquivo_vazio", "", {}},
    {"so_quebras_de_linha", "\n\n\r\n\n", {}},
    {"linhas_com_crlf",
     repetir("1000000000000002\r\n", 11) + "3000000000000001\r\n",
     {"1..............2", "1..............2", "1..............2", "1..............2",
      "1..............2", "1..............2", "1..............2", "1..............2",
      "1..............2", "1..............2", "1..............2", "3..............1"}},
    {"linha_curta_continua_na_mesma_linha", "123\n" + repetir("0", 12) + "2\n3\n",
     {"123............2", "3"}},
    {"outros_caracteres_sao_pulados", "12345678\n", {"123"}},
    {"pulados_dentro_da_linha", "1x2 3\t9a0b1", {"123.1"}},
    {"oito_celulas", "10203010", {"1.2.3.1."}},
    {"alem_de_192_e_ignorado", repetir(repetir("0", 16) + "\n", 12) + "3333\n", {}},
    {"tabuleiro_cheio_e_mais", repetir("2", 192) + "1111",
     {repetir("2", 16), repetir("2", 16), repetir("2", 16), repetir("2", 16),
      repetir("2", 16), repetir("2", 16), repetir("2", 16), repetir("2", 16),
      repetir("2", 16), repetir("2", 16), repetir("2", 16), repetir("2", 16)}},
    {"binario_com_nulos", std::string("\0\3771\0\2002", 6), {"12"}},
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class CarregadorTabela : public Carregador, public ::testing::WithParamInterface<Caso> {};

TEST_P(CarregadorTabela, CelulasNoTabuleiro) {
    ler(GetParam().arquivo);
    EXPECT_EQ(desenho_do_tabuleiro(), completar(GetParam().tabuleiro));
}

INSTANTIATE_TEST_SUITE_P(Casos, CarregadorTabela, ::testing::ValuesIn(casos),
                         [](const ::testing::TestParamInfo<Caso>& i) { return i.param.nome; });

TEST_F(Carregador, ParaDeLerComOTabuleiroCheio) {
    // However long the file, nothing after the 192nd cell is read.
    std::string texto = repetir("0", 192) + repetir("1", 1 << 20);
    FILE* f = fmemopen((void*)texto.data(), texto.size(), "r");
    ler_tabuleiro(f, imagens);
    EXPECT_EQ(ftell(f), 192);
    fclose(f);
    EXPECT_EQ(desenho_do_tabuleiro(), completar({}));
}

TEST_F(Carregador, CadaTipoRecebeSuasImagens) {
    ler("123");
    const Elemento* parede = mapa[0][0];
    const Elemento* monstro = mapa[1][0];
    const Elemento* avatar = mapa[2][0];
    EXPECT_EQ(parede->imagem_movendo, imagens[IMAGEM_PAREDE]);
    EXPECT_EQ(parede->imagem_parado, imagens[IMAGEM_PAREDE]);
    EXPECT_EQ(monstro->imagem_movendo, imagens[IMAGEM_MONSTRO_MOVENDO]);
    EXPECT_EQ(monstro->imagem_parado, imagens[IMAGEM_MONSTRO_PARADO]);
    EXPECT_EQ(avatar->imagem_movendo, imagens[IMAGEM_AVATAR_MOVENDO]);
    EXPECT_EQ(avatar->imagem_parado, imagens[IMAGEM_AVATAR_PARADO]);
    for (const Elemento* e : {parede, monstro, avatar}) {
        EXPECT_EQ(e->direcao, PARADO);
        EXPECT_EQ(e->ultima_jogada, 0);
        EXPECT_FALSE(e->movendo);
    }
}

// A temporary folder that becomes the working directory while it lives.
class PastaTemporaria {
public:
    PastaTemporaria() {
        char modelo[] = "/tmp/tabuleiro2-XXXXXX";
        caminho = mkdtemp(modelo);
        anterior = getcwd(NULL, 0);
        if (chdir(caminho.c_str()) != 0) ADD_FAILURE() << "chdir " << caminho;
    }
    ~PastaTemporaria() {
        if (chdir(anterior) != 0) ADD_FAILURE() << "chdir back";
        free(anterior);
        std::string apagar = "rm -rf '" + caminho + "'";
        if (system(apagar.c_str()) != 0) ADD_FAILURE() << apagar;
    }
    std::string caminho;

private:
    char* anterior;
};

void gravar(const char* nome, const std::string& conteudo) {
    FILE* f = fopen(nome, "wb");
    ASSERT_NE(f, nullptr);
    fwrite(conteudo.data(), 1, conteudo.size(), f);
    fclose(f);
}

TEST_F(Carregador, ConstruirLeDaPastaDeTrabalho) {
    PastaTemporaria pasta;
    for (int i = 0; i < TOTAL_IMAGENS; i++) {
        BITMAP* b = create_bitmap(50, 50);
        clear_to_color(b, makecol(40 * i, 0, 0));
        ASSERT_EQ(save_bitmap(ARQUIVOS_IMAGENS[i], b, NULL), 0);
        destroy_bitmap(b);
    }
    gravar("tabuleiro.map", "0123\n3210\n");
    construir();
    EXPECT_EQ(desenho_do_tabuleiro(), completar({".123321."}));
    const Elemento* monstro = mapa[2][0];
    ASSERT_NE(monstro->imagem_movendo, nullptr);
    ASSERT_NE(monstro->imagem_parado, nullptr);
    EXPECT_EQ(getpixel(monstro->imagem_movendo, 0, 0), makecol(40, 0, 0));
    EXPECT_EQ(getpixel(monstro->imagem_parado, 0, 0), makecol(80, 0, 0));
    EXPECT_EQ(mapa[3][0]->imagem_parado, mapa[4][0]->imagem_parado); // shared per kind
}

// One image file as it may be found beside the game: the first bytes of a
// whole 50 x 40 BMP, or something else in its place.
enum { TEXTO = -1, PASTA = -2, AUSENTE = -3 };
const int TUDO = 1 << 30;

struct CasoImagem {
    const char* nome;
    int bytes; // kept from the whole file, counted from its end when negative
    int outra_coisa;
    bool carrega;
};

void PrintTo(const CasoImagem& c, std::ostream* os) { *os << c.nome; }

class Imagem : public ::testing::TestWithParam<CasoImagem> {};

std::string bmp_inteiro() {
    BITMAP* b = create_bitmap(50, 40);
    clear_to_color(b, makecol(255, 0, 255));
    EXPECT_EQ(save_bitmap("inteira.bmp", b, NULL), 0);
    destroy_bitmap(b);
    std::string conteudo;
    FILE* f = fopen("inteira.bmp", "rb");
    for (int ch; f != NULL && (ch = fgetc(f)) != EOF;) conteudo += (char)ch;
    if (f != NULL) fclose(f);
    return conteudo;
}

TEST_P(Imagem, SoCarregaUmBmpInteiro) {
    PastaTemporaria pasta;
    const CasoImagem& c = GetParam();
    std::string inteira = bmp_inteiro();
    if (c.outra_coisa == TEXTO) {
        gravar("x.bmp", "this is a text file, not a picture\n");
    } else if (c.outra_coisa == PASTA) {
        ASSERT_EQ(system("mkdir x.bmp"), 0);
    } else if (c.outra_coisa != AUSENTE) {
        int n = c.bytes < 0 ? (int)inteira.size() + c.bytes : c.bytes;
        gravar("x.bmp", inteira.substr(0, n)); // substr stops at the end
    }
    BITMAP* imagem = carregar_imagem("x.bmp");
    EXPECT_EQ(imagem != NULL, c.carrega);
    if (imagem != NULL) {
        EXPECT_EQ(imagem->w, 50);
        EXPECT_EQ(imagem->h, 40);
        EXPECT_EQ(getpixel(imagem, 49, 39), makecol(255, 0, 255));
        destroy_bitmap(imagem);
    }
}

const CasoImagem imagens[] = {
    {"inteira", TUDO, 0, true},
    {"sem_o_ultimo_byte", -1, 0, false},
    {"sem_metade_dos_pixels", -3000, 0, false},
    {"so_o_cabecalho", 54, 0, false},
    {"cabecalho_cortado", 20, 0, false},
    {"vazia", 0, 0, false},
    {"texto", 0, TEXTO, false},
    {"pasta", 0, PASTA, false},
    {"ausente", 0, AUSENTE, false},
};

INSTANTIATE_TEST_SUITE_P(Casos, Imagem, ::testing::ValuesIn(imagens),
                         [](const ::testing::TestParamInfo<CasoImagem>& i) { return i.param.nome; });

TEST(ImagemDeath, FaltandoEncerraComDoisENomeDoArquivo) {
    EXPECT_EXIT(exigir_imagem(NULL, "avatar1.bmp"), ::testing::ExitedWithCode(2),
                "^Imagem nao pode ser carregada: avatar1.bmp\n$");
}

} // namespace
