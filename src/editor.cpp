// The board editor's entry and window. "tabuleiro2-editor [FILE]" paints
// FILE's board with the mouse in the game's own look and saves it with S;
// "tabuleiro2-editor --rascunho FILE" opens FILE as a draft, unsaved from
// the start; "tabuleiro2-editor --verificar FILE" checks a hand-written
// board file; --help and --version say how to call it and which it is.
#include "desenho.h"
#include "edicao.h"
#include "falhas.h"
#include "janela.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

const int PAUSA_EDITOR = 10; // milliseconds between two looks at the keys and the mouse
const int BOTAO_ESQUERDO = 1, BOTAO_DIREITO = 2; // bits of mouse_b
const int TAMANHO_CAMINHO = 1024;
const char* const USO = "tabuleiro2-editor [--rascunho] [--] [ARQUIVO]"
                        " | --verificar [--] ARQUIVO | --help | --version";
const char* const AJUDA =
    "Uso: tabuleiro2-editor [--rascunho] [--] [ARQUIVO]\n"
    "  ou: tabuleiro2-editor --verificar [--] ARQUIVO\n"
    "Pinta o tabuleiro ARQUIVO (tabuleiro.map se nenhum) numa janela, com as\n"
    "imagens do jogo: 0 a 3 escolhem o pincel (vazio, parede, monstro, avatar),\n"
    "o botao esquerdo pinta, o direito esvazia, S grava e Esc sai.\n"
    "\n"
    "  --rascunho   abre ARQUIVO como alterado, ainda nao gravado\n"
    "  --verificar  sem janela, diz onde ARQUIVO se le diferente do que parece:\n"
    "               estado 0 se em nada, 1 se em algo, 2 se nao pode ser lido\n"
    "  --help       mostra esta ajuda e sai\n"
    "  --version    mostra a versao e sai\n"
    "  --           o que vem depois e o nome do arquivo, mesmo comecando por -\n";
#ifndef DADOS_INSTALADOS // an install's data folder, relative to the executable
#define DADOS_INSTALADOS "."
#endif
// The data folder, relative to the executable: data/ in the build tree;
// DADOS_INSTALADOS for an install, and "." (the default) beside it in the
// Windows zip and on the web.
static const char* const PASTAS_DADOS[] = {"data", DADOS_INSTALADOS};

static const char* nome; // the board file
static BITMAP* imagens[TOTAL_IMAGENS];
static BITMAP* fundo;
static BITMAP* quadro; // back buffer

// The board file to edit, open for reading; NULL when it does not exist
// yet. Ends the start-up when it cannot be read.
static FILE* abrir_para_editar(const char* arquivo_nome) {
    FILE* arquivo = abrir_tabuleiro(arquivo_nome);
    if (arquivo == NULL && errno != ENOENT) falhar("Arquivo nao pode ser aberto", arquivo_nome);
    return arquivo;
}

// Loads the background from the first data folder it loads from, then the
// element images from that folder; any image missing ends the start-up,
// naming the last background tried when none loaded.
static void carregar_imagens() {
    char executavel[TAMANHO_CAMINHO], pasta[TAMANHO_CAMINHO], caminho[TAMANHO_CAMINHO];
    get_executable_name(executavel, sizeof executavel);
    for (const char* dados : PASTAS_DADOS) {
        replace_filename(pasta, executavel, dados, sizeof pasta);
        fundo = carregar_imagem(append_filename(caminho, pasta, ARQUIVO_CHAO, sizeof caminho));
        if (fundo != NULL) break;
    }
    exigir_imagem(fundo, caminho);
    for (int i = 0; i < TOTAL_IMAGENS; i++) {
        imagens[i] =
            carregar_imagem(append_filename(caminho, pasta, ARQUIVOS_IMAGENS[i], sizeof caminho));
        exigir_imagem(imagens[i], caminho);
    }
}

static void iniciar() {
    FILE* arquivo = abrir_para_editar(nome);
    quadro = abrir_janela(1);
    set_keyboard_rate(0, 0); // a held Esc is one Esc, not the second one
    carregar_imagens();
    if (arquivo != NULL) {
        ler_tabuleiro(arquivo, imagens);
        fclose(arquivo);
    }
    enable_hardware_cursor();
    select_mouse_cursor(MOUSE_CURSOR_ARROW);
    show_mouse(screen);
}

static void mostrar_quadro() {
    desenhar_tabuleiro(quadro, fundo);
    scare_mouse();
    blit(quadro, screen, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
    unscare_mouse();
}

// The editing state, shown in the title.
static char pincel = '1';
static int alterado, aviso = AVISO_NENHUM, fim;
static int redesenhar = 1; // a cell changed since the window was last drawn

// Key presses and mouse changes, in the order Allegro's input thread saw
// them, for the loop to take in turn: no click however short, no step of a
// drag and no brush chosen just before a click is lost or taken out of turn.
struct Evento {
    int tecla;   // scancode of a key pressed; 0 for the mouse
    int posicao; // mouse_pos then
    int botoes;  // mouse_b then
};
const unsigned TAMANHO_FILA = 256;
static Evento fila[TAMANHO_FILA];
static std::atomic<unsigned> escritos, lidos; // the input thread writes, the loop reads

static void anotar(int tecla) {
    unsigned n = escritos;
    if (n - lidos == TAMANHO_FILA) return; // full: the loop is far behind
    fila[n % TAMANHO_FILA] = {tecla, mouse_pos, mouse_b};
    escritos = n + 1;
}

static void anotar_tecla(int codigo) {
    if (!(codigo & 0x80)) anotar(codigo); // presses only
}

static void anotar_mouse(int) {
    anotar(0);
}

// Paints along the pointer's way while a button is down: the left one
// with the brush, the right one empties.
static void pintar(int botoes, int posicao) {
    static int ultima = -1; // the position last painted in this stroke; -1: none
    if (!(botoes & (BOTAO_ESQUERDO | BOTAO_DIREITO))) {
        ultima = -1;
        return;
    }
    if (ultima < 0) ultima = posicao;
    char c = botoes & BOTAO_ESQUERDO ? pincel : '0';
    if (pintar_linha(ultima >> 16, ultima & 0xffff, posicao >> 16, posicao & 0xffff, c, imagens)) {
        alterado = redesenhar = 1;
        aviso = AVISO_NENHUM;
    }
    ultima = posicao;
}

// A brush key, S or Esc.
static void teclar(int tecla) {
    if (tecla == KEY_ESC) {
        fim = !alterado || aviso == AVISO_SAIR;
        aviso = AVISO_SAIR;
        return;
    }
    aviso = AVISO_NENHUM;
    if (tecla >= KEY_0 && tecla <= KEY_3) pincel = (char)('0' + tecla - KEY_0);
    if (tecla != KEY_S) return;
    if (gravar_tabuleiro(nome))
        alterado = 0;
    else
        aviso = somente_leitura(nome) ? AVISO_SOMENTE_LEITURA : AVISO_FALHA_GRAVAR;
}

// Takes the input in turn and shows its effect until Esc ends it. Not
// static: the web build names it among the calls that lead to rest().
void editar() {
    std::string mostrado;
    keyboard_lowlevel_callback = anotar_tecla;
    mouse_callback = anotar_mouse;
    for (;;) {
        for (; lidos != escritos && !fim; lidos++) {
            const Evento& e = fila[lidos % TAMANHO_FILA];
            if (e.tecla == 0)
                pintar(e.botoes, e.posicao);
            else
                teclar(e.tecla);
        }
        if (fim) break;
        if (redesenhar) mostrar_quadro();
        redesenhar = 0;
        // Titled only once drawn: whoever reads the title sees the board too.
        std::string agora = titulo(nome, alterado, pincel, aviso);
        if (agora != mostrado) set_window_title((mostrado = agora).c_str());
        clear_keybuf(); // keys are taken from the queue above only
        rest(PAUSA_EDITOR);
    }
    mouse_callback = NULL;
    keyboard_lowlevel_callback = NULL;
}

static void encerrar() {
    show_mouse(NULL);
    esvaziar_tabuleiro();
    for (BITMAP* imagem : imagens)
        destroy_bitmap(imagem);
    destroy_bitmap(fundo);
    destroy_bitmap(quadro);
    allegro_exit();
}

// The check: findings on standard error, the status says whether any.
static int verificar(const char* arquivo_nome) {
    FILE* arquivo = abrir_tabuleiro(arquivo_nome);
    if (arquivo == NULL) falhar("Arquivo nao pode ser aberto", arquivo_nome);
    std::string achados = verificar_tabuleiro(arquivo, arquivo_nome);
    int erro = ferror(arquivo);
    fclose(arquivo);
    if (erro) falhar("Arquivo nao pode ser lido", arquivo_nome);
    fputs(achados.c_str(), stderr);
    return achados.empty() ? 0 : SAIDA_ACHADOS;
}

// The board file the command line names, NULL for none, and its
// --rascunho and --verificar, which each need the file and exclude each
// other. Options are taken as GNU programs take them, anywhere before "--";
// a word that starts with '-' is never taken for the file. Ends the process
// for --help and --version, and with the usage line for anything else,
// before any file or window is touched.
static const char* ler_opcoes(int argc, char** argv, int* rascunho, int* verificando) {
    const char* arquivo = NULL;
    int opcoes = 1; // until "--"
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (!opcoes || a[0] != '-' || a[1] == '\0') {
            if (arquivo != NULL) falhar("Uso", USO);
            arquivo = a;
        } else if (strcmp(a, "--") == 0) {
            opcoes = 0;
        } else if (strcmp(a, "--rascunho") == 0) {
            *rascunho = 1;
        } else if (strcmp(a, "--verificar") == 0) {
            *verificando = 1;
        } else if (strcmp(a, "--help") == 0) {
            fputs(AJUDA, stdout);
            exit(0);
        } else if (strcmp(a, "--version") == 0) {
            printf("tabuleiro2-editor (tabuleiro2) %s\n", VERSAO_TABULEIRO2);
            exit(0);
        } else {
            falhar("Uso", USO);
        }
    }
    if ((*rascunho || *verificando) && arquivo == NULL) falhar("Uso", USO);
    if (*rascunho && *verificando) falhar("Uso", USO);
    return arquivo;
}

int main(int argc, char** argv) {
    int rascunho = 0, verificando = 0;
    const char* arquivo = ler_opcoes(argc, argv, &rascunho, &verificando);
    if (verificando) return verificar(arquivo);
    // A draft (the web page restores one so) is unsaved from the start.
    alterado = rascunho;
    nome = arquivo != NULL ? arquivo : ARQUIVO_TABULEIRO;
    iniciar();
    editar();
    encerrar();
    return 0;
}
END_OF_MAIN()
