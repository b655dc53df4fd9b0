// The save's file operations on POSIX systems: Debian, and the browser's
// file system in the web build.
#include "arquivos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int sincronizar(FILE* f) {
    return fsync(fileno(f)) == 0;
}

int substituir(const char* de, const char* para) {
    return rename(de, para) == 0;
}

std::string seguir_links(const char* nome) {
    std::string caminho = nome;
    char alvo[4096];
    for (int i = 0; i < 40; i++) { // a loop of links is left to stat to refuse
        ssize_t n = readlink(caminho.c_str(), alvo, sizeof alvo - 1);
        if (n < 0) break;
        alvo[n] = '\0';
        size_t barra = caminho.rfind('/');
        if (alvo[0] == '/' || barra == std::string::npos)
            caminho = alvo;
        else
            caminho = caminho.substr(0, barra + 1) + alvo;
    }
    return caminho;
}

FILE* criar_temporario(const char* nome, int modo) {
    unlink(nome);
    int fd = open(nome, O_WRONLY | O_CREAT | O_EXCL, modo < 0 ? 0666 : modo);
    if (fd < 0) return NULL;
    if (modo >= 0 && fchmod(fd, modo) != 0) { // umask may have narrowed it
        close(fd);
        return NULL;
    }
    return fdopen(fd, "wb");
}
