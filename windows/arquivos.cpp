// The save's file operations on Windows, which has no symbolic links to a
// board nor permission bits to carry over.
#include "arquivos.h"

#include <cerrno>
#include <io.h>
#include <windows.h>

int sincronizar(FILE* f) {
    return _commit(_fileno(f)) == 0;
}

int substituir(const char* de, const char* para) {
    // rename does not replace an existing file on Windows. What stops a
    // rename there is a file in use or locked: said as errno says it.
    if (MoveFileExA(de, para, MOVEFILE_REPLACE_EXISTING)) return 1;
    errno = EACCES;
    return 0;
}

std::string seguir_links(const char* nome) {
    return nome;
}

FILE* criar_temporario(const char* nome, int) {
    return fopen(nome, "wb");
}
