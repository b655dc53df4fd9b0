#!/bin/bash
# Takes the README's screenshots in the real windows on a private X server:
# the game on the sample board after the avatar has walked down a few
# cells, and the editor on a copy of it with a few cells painted.
# Usage: tools/capturar_tela.sh [BUILD_FOLDER [DOCS_FOLDER]]
set -u
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$RAIZ/build}" && pwd) || exit 1
DOCS=$(realpath "${2:-$RAIZ/docs}")
. "$RAIZ/apoio/janela.sh"
iniciar_xvfb
preparar_pasta "$BUILD/data"
cp "$BUILD/data/tabuleiro.map" . || falhar "no sample board: build first"
iniciar_jogo "$BUILD/tabuleiro2"
sleep 0.5
tecla keydown Down
sleep 0.9
capturar "$DOCS/captura.png"
tecla keyup Down
sair_com_esc

TITULO='^tabuleiro\.map - ' iniciar_jogo "$BUILD/tabuleiro2-editor" tabuleiro.map
# Walls dragged along the bottom corridor, a monster and a second avatar.
xdotool mousemove 375 525 mousedown 1 mousemove 475 525 mouseup 1 key 2 mousemove 675 275 click 1 \
    key 3 mousemove 625 475 click 1
xdotool search --sync --onlyvisible --name '^tabuleiro\.map\* - pincel: avatar' >/dev/null
capturar "$DOCS/editor.png"
tecla key Escape
sair_com_esc
echo "$DOCS/captura.png $DOCS/editor.png"
