// The board editor's work on mapa and on board files; no window here.
#include "edicao.h"

#include "arquivos.h"
#include "desenho.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>

const char* const NOME_EDITOR = "tabuleiro2-editor";
const int IGNORADOS_NOMEADOS = 8; // skipped characters named per line, the rest counted
const int ACHADOS_MOSTRADOS = 20; // findings printed, the rest counted
static const char* const NOMES_PINCEIS[] = {"vazio", "parede", "monstro", "avatar"};
static const char* const TEXTOS_AVISOS[] = {"", " - Esc de novo sai sem gravar",
                                            " - falha ao gravar", " - somente leitura, nao gravado"};

char caractere_da_celula(int x, int y) {
    return mapa[x][y] == NULL ? '0' : (char)('0' + mapa[x][y]->tipo);
}

int pintar_celula(int x, int y, char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    if (x < 0 || x >= LARGURA_TABULEIRO || y < 0 || y >= ALTURA_TABULEIRO) return 0;
    if (caractere_da_celula(x, y) == c) return 0;
    delete mapa[x][y];
    mapa[x][y] = criar_elemento(c, imagens);
    return 1;
}

// The cell a pixel coordinate falls in; -1 left of or above the board.
static int celula(int pixel) {
    return pixel < 0 ? -1 : pixel / TAMANHO_CELULA;
}

int pintar_linha(int x0, int y0, int x1, int y1, char c, BITMAP* const imagens[TOTAL_IMAGENS]) {
    int dx = x1 - x0, dy = y1 - y0;
    int passos = std::max(std::abs(dx), std::abs(dy));
    int mudadas = pintar_celula(celula(x0), celula(y0), c, imagens);
    // One step per pixel along the longer axis, so that no cell is jumped over.
    for (int i = 1; i <= passos; i++)
        mudadas +=
            pintar_celula(celula(x0 + dx * i / passos), celula(y0 + dy * i / passos), c, imagens);
    return mudadas;
}

static int falhar_gravacao(const char* nome, const char* motivo) {
    fprintf(stderr, "Tabuleiro nao pode ser gravado: %s: %s\n", nome, motivo);
    return 0;
}

int somente_leitura(const char* nome) {
    struct stat estado;
    return stat(nome, &estado) == 0 && !(estado.st_mode & 0222);
}

int gravar_tabuleiro(const char* nome) {
    char texto[ALTURA_TABULEIRO * (LARGURA_TABULEIRO + 1)];
    int n = 0;
    for (int y = 0; y < ALTURA_TABULEIRO; y++) {
        for (int x = 0; x < LARGURA_TABULEIRO; x++)
            texto[n++] = caractere_da_celula(x, y);
        texto[n++] = '\n';
    }
    std::string alvo = seguir_links(nome);
    struct stat estado;
    int existe = stat(alvo.c_str(), &estado) == 0;
    if (!existe && errno != ENOENT) return falhar_gravacao(nome, strerror(errno));
    // A board its owner made read-only stays as it is, even for root.
    if (existe && !(estado.st_mode & 0222)) return falhar_gravacao(nome, "somente leitura");
    std::string temporario = alvo + SUFIXO_TEMPORARIO;
    FILE* f = criar_temporario(temporario.c_str(), existe ? (int)(estado.st_mode & 07777) : -1);
    if (f == NULL) return falhar_gravacao(nome, strerror(errno));
    // Whole on disk before the rename: a crash leaves the old board or the new one.
    int gravado = fwrite(texto, 1, n, f) == (size_t)n && fflush(f) == 0 && sincronizar(f);
    gravado = fclose(f) == 0 && gravado;
    if (gravado && substituir(temporario.c_str(), alvo.c_str())) return 1;
    falhar_gravacao(nome, strerror(errno));
    remove(temporario.c_str());
    return 0;
}

std::string titulo(const char* nome, int alterado, char pincel, int aviso) {
    return std::string(get_filename(nome)) + (alterado ? "*" : "") +
           " - pincel: " + NOMES_PINCEIS[pincel - '0'] + TEXTOS_AVISOS[aviso] + " - " + NOME_EDITOR;
}

static std::string relatar(const char* nome, long linha, const std::string& achado) {
    return std::string(nome) + ":" + std::to_string(linha) + ": " + achado + "\n";
}

// A skipped character as a C character literal, after a space.
static std::string mostrar(unsigned char c) {
    char literal[8];
    if (c == '\t')
        snprintf(literal, sizeof literal, " '\\t'");
    else if (isprint(c) && c != '\'' && c != '\\')
        snprintf(literal, sizeof literal, " '%c'", c);
    else
        snprintf(literal, sizeof literal, " '\\x%02x'", c);
    return literal;
}

// What the check has seen so far. Whatever the file, it keeps a few
// characters and a few findings, and counts the rest.
struct Verificacao {
    const char* nome;
    long linha = 1, na_linha = 0, celulas = 0, linha_excesso = 0;
    long ignorados = 0, achados = 0; // on this line; in the whole file
    std::string nomeados, texto;     // the first skipped ones; the findings shown
};

static void achar(Verificacao& v, const std::string& achado) {
    if (v.achados++ < ACHADOS_MOSTRADOS) v.texto += relatar(v.nome, v.linha, achado);
}

static void ignorar(Verificacao& v, unsigned char c) {
    if (v.ignorados++ < IGNORADOS_NOMEADOS) v.nomeados += mostrar(c);
}

// The findings on the line just ended: its skipped characters, and its
// count of cells when other than a row's.
static void terminar_linha(Verificacao& v) {
    long a_mais = v.ignorados - IGNORADOS_NOMEADOS;
    if (v.ignorados > 0)
        achar(v, "caracteres ignorados:" + v.nomeados +
                     (a_mais > 0 ? " e mais " + std::to_string(a_mais) : ""));
    if (v.na_linha != LARGURA_TABULEIRO)
        achar(v, "celulas na linha: " + std::to_string(v.na_linha) + " em vez de " +
                     std::to_string(LARGURA_TABULEIRO));
    v.linha++;
    v.na_linha = v.ignorados = 0;
    v.nomeados.clear();
}

static void ler_caractere(Verificacao& v, unsigned char c) {
    if (c == '\n') {
        terminar_linha(v);
    } else if (ocupa_celula(c)) {
        v.na_linha++;
        if (++v.celulas == CELULAS + 1) v.linha_excesso = v.linha;
    } else {
        ignorar(v, c);
    }
}

std::string verificar_tabuleiro(FILE* arquivo, const char* nome) {
    Verificacao v;
    v.nome = nome;
    unsigned char bloco[1 << 16];
    int cr = 0; // the last character was a '\r': "\r\n" ends a line as "\n" does
    for (size_t lidos; (lidos = fread(bloco, 1, sizeof bloco, arquivo)) > 0;)
        for (size_t i = 0; i < lidos; i++) {
            if (cr && bloco[i] != '\n') ignorar(v, '\r');
            cr = bloco[i] == '\r';
            if (!cr) ler_caractere(v, bloco[i]);
        }
    if (cr) ignorar(v, '\r');
    if (v.na_linha > 0 || v.ignorados > 0) terminar_linha(v);
    if (v.achados > ACHADOS_MOSTRADOS)
        v.texto += std::string(nome) + ": e mais " +
                   std::to_string(v.achados - ACHADOS_MOSTRADOS) + " achados\n";
    const std::string todas = std::to_string(CELULAS);
    if (v.celulas > CELULAS)
        v.texto += relatar(nome, v.linha_excesso,
                           "celulas alem das " + todas +
                               ", ignoradas: " + std::to_string(v.celulas - CELULAS));
    if (v.celulas < CELULAS)
        v.texto += relatar(nome, std::max(v.linha - 1, 1L),
                           "celulas: so " + std::to_string(v.celulas) + " de " + todas +
                               ", o resto fica vazio");
    return v.texto;
}
