#!/bin/bash
# Takes the README's screenshot: the sample board in the real window on a
# private X server, after the avatar has walked down a few cells.
# Usage: tools/capturar_tela.sh [BUILD_FOLDER [PNG_FILE]]
set -u
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$RAIZ/build}" && pwd) || exit 1
SAIDA=$(realpath "${2:-$RAIZ/docs/captura.png}")
. "$RAIZ/tests/e2e/comum.sh"
iniciar_xvfb
cd "$BUILD/data" || falhar "no data folder: build first"
iniciar_jogo "$BUILD/tabuleiro2"
sleep 0.5
xdotool keydown Down
sleep 0.9
capturar "$SAIDA"
xdotool keyup Down
sair_com_esc
echo "$SAIDA"
