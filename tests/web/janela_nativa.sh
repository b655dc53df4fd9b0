#!/bin/bash
# The native game's window on the sample board without its monsters, for
# the web page to match pixel for pixel: into folder $3, the board
# (sem_monstros.map), the first frame (primeiro.rgb) and the frame once the
# avatar, walking right, stands against the wall (parado.rgb), as raw RGB.
# Usage: janela_nativa.sh GAME DATA_FOLDER OUT_FOLDER
set -u
. "$(dirname "$0")/../e2e/comum.sh"
SAIDA=$3
mkdir -p "$SAIDA" && tr 2 0 <"$2/tabuleiro.map" >"$SAIDA/sem_monstros.map" || falhar "no sample board in $2"
iniciar_xvfb
preparar_pasta "$2" "$(cat "$SAIDA/sem_monstros.map")"

# Captures the window into $1 (raw RGB) until it is drawn and unlike
# image $2, two captures 300 ms apart the same: the avatar at rest.
esperar_quadro() {
    local prazo=$(($(agora_ms) + 30000))
    while :; do
        [ "$(agora_ms)" -lt "$prazo" ] || falhar "the window never settled on a new frame"
        capturar q1.png && sleep 0.3 && capturar q2.png || continue
        convert q1.png -depth 8 rgb:q1.rgb && convert q2.png -depth 8 rgb:"$1" || continue
        cmp -s q1.rgb "$1" && [ "$(convert q2.png -format '%[fx:mean > 0]' info:)" = 1 ] &&
            ! cmp -s "$1" "$2" && return
    done
}

iniciar_jogo "$1"
esperar_quadro "$SAIDA/primeiro.rgb" /dev/null
tecla keydown Right
esperar_quadro "$SAIDA/parado.rgb" "$SAIDA/primeiro.rgb"
tecla keyup Right
sair_com_esc
echo PASS
