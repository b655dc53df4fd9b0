#!/bin/bash
# The native windows the web pages must match, raw RGB into OUT: the game on the sample board
# without monsters (sem_monstros.map) at first (primeiro.rgb) and with the avatar walked right to
# the wall (parado.rgb); on board PAINTED (pintado.rgb); the editor on the sample board
# (editor.rgb).
# Usage: janela_nativa.sh GAME EDITOR DATA_FOLDER PAINTED OUT
set -u
. "$(dirname "$0")/../e2e/comum.sh"
JOGO=$1 EDITOR=$2 DADOS=$3 PINTADO=$4 SAIDA=$5
mkdir -p "$SAIDA" && tr 2 0 <"$DADOS/tabuleiro.map" >"$SAIDA/sem_monstros.map" ||
    falhar "no sample board in $DADOS"
iniciar_xvfb

# The window into $1 (raw RGB) once drawn, unlike $2 and at rest (the same 300 ms later).
esperar_quadro() { esperar 30 "the window never settled on a new frame" assentado "$@"; }
assentado() {
    capturar q1.png && sleep 0.3 && capturar q2.png &&
        convert q1.png -depth 8 rgb:q1.rgb && convert q2.png -depth 8 rgb:"$1" &&
        cmp -s q1.rgb "$1" && [ "$(convert q2.png -format '%[fx:mean > 0]' info:)" = 1 ] && ! cmp -s "$1" "$2"
}

preparar_pasta "$DADOS" "$(cat "$SAIDA/sem_monstros.map")"
iniciar_jogo "$JOGO"
esperar_quadro "$SAIDA/primeiro.rgb" /dev/null
tecla keydown Right
esperar_quadro "$SAIDA/parado.rgb" "$SAIDA/primeiro.rgb"
tecla keyup Right
sair_com_esc

cp "$PINTADO" tabuleiro.map && iniciar_jogo "$JOGO"
esperar_quadro "$SAIDA/pintado.rgb" /dev/null
sair_com_esc

cp "$DADOS/tabuleiro.map" . && TITULO='^tabuleiro\.map - pincel' iniciar_jogo "$EDITOR" tabuleiro.map
esperar_quadro "$SAIDA/editor.rgb" /dev/null
sair_com_esc
echo PASS
