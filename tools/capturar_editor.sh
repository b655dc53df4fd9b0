#!/bin/bash
# Takes the README's screenshot of the board editor: a copy of the sample
# board in the real window on a private X server, a few cells painted.
# Usage: tools/capturar_editor.sh [BUILD_FOLDER [PNG_FILE]]
set -u
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$RAIZ/build}" && pwd) || exit 1
SAIDA=$(realpath "${2:-$RAIZ/docs/editor.png}")
. "$RAIZ/tests/e2e/comum.sh"
iniciar_xvfb
PASTA=$(mktemp -d)
cp "$BUILD/data/tabuleiro.map" "$PASTA/" && cd "$PASTA" || falhar "no sample board: build first"
setsid "$BUILD/tabuleiro2-editor" tabuleiro.map &
JOGO_PID=$!
xdotool search --sync --onlyvisible --name '^tabuleiro\.map - ' >/dev/null
# Walls dragged along the bottom corridor, a monster and a second avatar.
xdotool mousemove 375 525 mousedown 1 mousemove 475 525 mouseup 1 key 2 mousemove 675 275 click 1 \
    key 3 mousemove 625 475 click 1
xdotool search --sync --onlyvisible --name '^tabuleiro\.map\* - pincel: avatar' >/dev/null
JANELA=$(xdotool search --onlyvisible --name '^tabuleiro\.map')
capturar "$SAIDA"
xdotool key Escape key Escape
esperar_fim 10
echo "$SAIDA"
