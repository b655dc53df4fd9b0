// Time from the game's start to its first frame on the screen. Starts the
// game in the current folder and polls the X display every millisecond
// until the game's window shows the background colour at a pixel that only
// a drawn frame paints (the window is black until then); prints the
// milliseconds from just before the start, then ends the game.
// Usage: primeiro_quadro JOGO X Y R G B
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const TITULO = "tabuleiro2";
const double LIMITE_SEGUNDOS = 30;

double agora() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// The game's top-level window, once it is mapped; 0 before.
Window achar_janela(Display* d) {
    Window raiz, pai, *filhos, achada = 0;
    unsigned int n;
    if (!XQueryTree(d, DefaultRootWindow(d), &raiz, &pai, &filhos, &n)) return 0;
    for (unsigned int i = 0; i < n && achada == 0; i++) {
        char* nome = NULL;
        XWindowAttributes a;
        if (XFetchName(d, filhos[i], &nome) && nome != NULL && std::string_view(nome) == TITULO &&
            XGetWindowAttributes(d, filhos[i], &a) && a.map_state == IsViewable)
            achada = filhos[i];
        if (nome != NULL) XFree(nome);
    }
    if (filhos != NULL) XFree(filhos);
    return achada;
}

// Each channel within 8 of the wanted one: the game draws in 16 bits.
bool cor_proxima(unsigned long pixel, const int cor[3]) {
    for (int i = 0; i < 3; i++)
        if (abs((int)((pixel >> (16 - 8 * i)) & 0xff) - cor[i]) > 8) return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        fprintf(stderr, "usage: primeiro_quadro JOGO X Y R G B\n");
        return 2;
    }
    int x = atoi(argv[2]), y = atoi(argv[3]);
    const int cor[3] = {atoi(argv[4]), atoi(argv[5]), atoi(argv[6])};
    Display* d = XOpenDisplay(NULL);
    if (d == NULL) return 2;

    double inicio = agora();
    pid_t jogo = fork();
    if (jogo == 0) {
        execl(argv[1], argv[1], (char*)NULL);
        _exit(127);
    }
    Window janela = 0;
    bool pronto = false;
    while (!pronto && agora() - inicio < LIMITE_SEGUNDOS && waitpid(jogo, NULL, WNOHANG) == 0) {
        if (janela == 0) janela = achar_janela(d);
        if (janela != 0) {
            XErrorHandler antes = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
            XImage* img = XGetImage(d, janela, x, y, 1, 1, AllPlanes, ZPixmap);
            XSync(d, False);
            XSetErrorHandler(antes);
            if (img != NULL) {
                pronto = cor_proxima(XGetPixel(img, 0, 0), cor);
                XDestroyImage(img);
            }
        }
        if (!pronto) usleep(1000);
    }
    double fim = agora();
    kill(jogo, SIGKILL);
    waitpid(jogo, NULL, 0);
    XCloseDisplay(d);
    if (!pronto) {
        fprintf(stderr, "primeiro_quadro: no frame within %.0f s\n", LIMITE_SEGUNDOS);
        return 1;
    }
    printf("%.1f\n", (fim - inicio) * 1000);
    return 0;
}
