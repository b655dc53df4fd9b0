// The tests' entry: the game's frames run without a window.
#include "ajuda.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!iniciar_sem_janela()) return 2;
    return RUN_ALL_TESTS();
}
