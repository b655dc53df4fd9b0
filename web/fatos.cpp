// Writes, as JavaScript for the pages, what they share with the programs,
// taken from the headers the programs are compiled with: the board's size
// and its cell characters (the game's), and the keys the pages pass on,
// by the name the browser gives their place (KeyboardEvent.code), as
// Allegro's scancodes (KEY_* of Allegro's keyboard.h), which the platform
// takes as they are. Run at the build; its output starts pagina.js.
#define ALLEGRO_NO_MAGIC_MAIN
#include <allegro.h>
#include <cstdio>

#include "tabuleiro.h"

struct Tecla {
    const char* nome;
    int codigo;
};

// Each side's Shift, Ctrl and Alt as the left one: the programs read no side.
const Tecla TECLAS[] = {
    {"Escape", KEY_ESC}, {"Backquote", KEY_TILDE}, {"Minus", KEY_MINUS}, {"Equal", KEY_EQUALS},
    {"Backspace", KEY_BACKSPACE}, {"Tab", KEY_TAB}, {"BracketLeft", KEY_OPENBRACE},
    {"BracketRight", KEY_CLOSEBRACE}, {"Enter", KEY_ENTER}, {"NumpadEnter", KEY_ENTER},
    {"Semicolon", KEY_SEMICOLON}, {"Quote", KEY_QUOTE}, {"Backslash", KEY_BACKSLASH},
    {"Comma", KEY_COMMA}, {"Period", KEY_STOP}, {"Slash", KEY_SLASH}, {"Space", KEY_SPACE},
    {"Insert", KEY_INSERT}, {"Delete", KEY_DEL}, {"Home", KEY_HOME}, {"End", KEY_END},
    {"PageUp", KEY_PGUP}, {"PageDown", KEY_PGDN}, {"ArrowLeft", KEY_LEFT},
    {"ArrowRight", KEY_RIGHT}, {"ArrowUp", KEY_UP}, {"ArrowDown", KEY_DOWN},
    {"NumpadDivide", KEY_SLASH_PAD}, {"NumpadMultiply", KEY_ASTERISK},
    {"NumpadSubtract", KEY_MINUS_PAD}, {"NumpadAdd", KEY_PLUS_PAD},
    {"NumpadDecimal", KEY_DEL_PAD}, {"Pause", KEY_PAUSE}, {"ShiftLeft", KEY_LSHIFT},
    {"ShiftRight", KEY_LSHIFT}, {"ControlLeft", KEY_LCONTROL}, {"ControlRight", KEY_LCONTROL},
    {"AltLeft", KEY_ALT}, {"AltRight", KEY_ALT}, {"ScrollLock", KEY_SCRLOCK},
    {"NumLock", KEY_NUMLOCK}, {"CapsLock", KEY_CAPSLOCK},
};

// The keys named in runs: "Key" and A to Z, "Digit" and 0 to 9, and so on.
struct Serie {
    const char* prefixo;
    char primeiro;
    int quantas, codigo;
};
const Serie SERIES[] = {
    {"Key", 'A', 26, KEY_A}, {"Digit", '0', 10, KEY_0}, {"Numpad", '0', 10, KEY_0_PAD},
};

int main() {
    std::printf("'use strict';\n");
    std::printf("const LARGURA_TABULEIRO = %d, ALTURA_TABULEIRO = %d, CELULAS = %d;\n",
                LARGURA_TABULEIRO, ALTURA_TABULEIRO, CELULAS);
    std::printf("const ULTIMA_CELULA = '%c'; // the cell characters: '0' to this one\n", '0' + AVATAR);
    std::printf("const TECLAS = {\n");
    for (const Tecla& t : TECLAS)
        std::printf("  %s: %d,\n", t.nome, t.codigo);
    for (const Serie& s : SERIES)
        for (int i = 0; i < s.quantas; i++)
            std::printf("  %s%c: %d,\n", s.prefixo, s.primeiro + i, s.codigo + i);
    for (int i = 0; i < 12; i++)
        std::printf("  F%d: %d,\n", i + 1, KEY_F1 + i);
    std::printf("};\n");
    return 0;
}
