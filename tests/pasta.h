// For the tests that read and write files: a folder of their own, and a
// file's bytes.
#ifndef PASTA_H
#define PASTA_H

#include "ajuda.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Each test in a fresh temporary folder, its working directory while it
// lasts, removed with all it holds; the board emptied after it.
struct NaPasta : ::testing::Test {
    char pasta[32] = "/tmp/tabuleiro2-XXXXXX";
    void SetUp() override { ASSERT_EQ(chdir(mkdtemp(pasta)), 0); }
    void TearDown() override {
        limpar_tabuleiro();
        std::filesystem::remove_all(pasta);
    }
};

// The whole file nome, as bytes.
inline std::string conteudo(const char* nome) {
    std::ifstream f(nome, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

#endif
