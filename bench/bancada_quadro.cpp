// One frame's work on a full board of 192 elements (the 192 turns, the
// drawing into buffer and the copy to a screen-sized memory bitmap), beside
// the floor that the same Allegro calls cost alone in the same run: one
// background copy, 192 sprites turned at the board's angles, one full copy.
// Prints both, then the ratio of their medians; it should be 1.2 or less.
#include "sem_janela.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// Allegro without a window, screen pointed at a memory bitmap, a full board
// of random kinds, the left arrow held, and a few frames run.
void preparar() {
    if (!iniciar_sem_janela()) exit(1);
    BITMAP* parede = criar_sprite(90, 90, 90);
    BITMAP* movendo[] = {parede, criar_sprite(220, 0, 0), criar_sprite(0, 0, 220)};
    BITMAP* parado[] = {parede, criar_sprite(150, 0, 0), criar_sprite(0, 0, 150)};
    srand(7);
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++) {
            int i = rand() % 3;
            mapa[x][y] = new Elemento(PAREDE + i, movendo[i], parado[i]);
        }
    key[KEY_LEFT] = 1;
    rodar_quadros(10);
}

void quadro(benchmark::State& estado) {
    for (auto _ : estado) rodar_quadros(1);
}

// The same Allegro calls alone, with the images, places and angles the
// board shows now.
void piso(benchmark::State& estado) {
    struct {
        BITMAP* imagem;
        int px, py;
        fixed angulo;
    } sprites[CELULAS];
    int n = 0;
    for (int x = 0; x < LARGURA_TABULEIRO; x++)
        for (int y = 0; y < ALTURA_TABULEIRO; y++) {
            const Elemento* e = mapa[x][y];
            sprites[n++] = {e->movendo ? e->imagem_movendo : e->imagem_parado, x * TAMANHO_CELULA,
                            y * TAMANHO_CELULA, itofix(rotacionar_objeto(e->direcao))};
        }
    for (auto _ : estado) {
        blit(chao, buffer, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
        for (int i = 0; i < n; i++)
            rotate_sprite(buffer, sprites[i].imagem, sprites[i].px, sprites[i].py,
                          sprites[i].angulo);
        blit(buffer, screen, 0, 0, 0, 0, LARGURA_JANELA, ALTURA_JANELA);
    }
}

// The console report, keeping each repetition's CPU time per benchmark.
class Relator : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, std::vector<double>> tempos;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                tempos[r.run_name.function_name].push_back(r.GetAdjustedCPUTime());
    }
};

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    preparar();
    // Repetitions of the two interleaved, so that a busy moment of the
    // machine falls on both alike; flags given on the command line win.
    std::vector<char*> args(argv, argv + argc);
    char intercalar[] = "--benchmark_enable_random_interleaving=true";
    char repeticoes[] = "--benchmark_repetitions=9";
    args.insert(args.begin() + 1, {intercalar, repeticoes});
    int n = (int)args.size();
    benchmark::Initialize(&n, args.data());
    benchmark::RegisterBenchmark("quadro", quadro)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("piso", piso)->Unit(benchmark::kMicrosecond);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    double q = mediana(relator.tempos["quadro"]), p = mediana(relator.tempos["piso"]);
    printf("frame %.1f us, floor %.1f us (medians of CPU time): frame / floor = %.3f\n", q, p,
           p > 0 ? q / p : 0.0);
    return 0;
}
