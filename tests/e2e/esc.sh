#!/bin/bash
# Esc, held, ends the game with status 0, monsters still roaming.
# Usage: esc.sh GAME DATA_FOLDER
set -u
JOGO=$1
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
preparar_pasta "$2" "2020202020202020
3"
cd "$PASTA" || falhar "no temporary folder"
iniciar_jogo "$JOGO"
sair_com_esc
xdotool search --name '^tabuleiro2$' >/dev/null 2>&1 && falhar "the window outlived the game"
echo "PASS"
