// The window both programs draw in.
#include "janela.h"

#include "falhas.h"

#include <string>

// Ends the start-up, naming the Allegro call and Allegro's reason, unless
// the call succeeded.
static void exigir(int sucesso, const char* chamada) {
    if (sucesso) return;
    falhar(("Falha em " + std::string(chamada)).c_str(),
           allegro_error[0] != '\0' ? allegro_error : "motivo desconhecido");
}

BITMAP* abrir_janela(int com_mouse) {
    exigir(allegro_init() == 0, "allegro_init");
    exigir(install_keyboard() == 0, "install_keyboard");
    exigir(install_timer() == 0, "install_timer");
    if (com_mouse) exigir(install_mouse() >= 0, "install_mouse");
    set_color_depth(PROFUNDIDADE_COR);
    exigir(set_gfx_mode(GFX_AUTODETECT_WINDOWED, LARGURA_JANELA, ALTURA_JANELA, 0, 0) == 0,
           "set_gfx_mode");
    BITMAP* buffer = create_bitmap(LARGURA_JANELA, ALTURA_JANELA);
    exigir(buffer != NULL, "create_bitmap");
    return buffer;
}
