// The file operations a board's save needs that each system does its own
// way: arquivos_posix.cpp for the native and web builds, windows/arquivos.cpp
// for Windows. Each sets errno when it fails.
#ifndef ARQUIVOS_H
#define ARQUIVOS_H

#include <cstdio>
#include <string>

// Puts what f has written on the disk itself. 1 if done.
int sincronizar(FILE* f);

// Renames the file de to para, replacing any file para. 1 if done.
int substituir(const char* de, const char* para);

// The file nome names, through any symbolic links: a save replaces that
// file, in its own folder, and the links stay links.
std::string seguir_links(const char* nome);

// The file nome made afresh and open for writing, never through whatever a
// crash or someone else left under its name, with the permission bits modo
// (those of the board it replaces; -1 for a new board); NULL if it cannot.
FILE* criar_temporario(const char* nome, int modo);

#endif
