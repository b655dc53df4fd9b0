#!/bin/bash
# Time from start to the first frame of the real game, on a private Xvfb
# with the test board and images: a few runs, each printed, then the median.
# Usage: primeiro_quadro.sh JOGO PRIMEIRO_QUADRO [RUNS]
set -u
JOGO=$(realpath "$1")
PRIMEIRO_QUADRO=$(realpath "$2")
AQUI=$(cd "$(dirname "$0")" && pwd)
. "$AQUI/../apoio/janela.sh"
iniciar_xvfb
# Plain images: a background of one colour the poll looks for, and squares.
IMAGENS=$(mktemp -d)
trap 'parar_jogo; kill "$XVFB_PID"; rm -rf "$PASTA" "$IMAGENS"' EXIT
convert -size 800x600 xc:'#306030' "BMP3:$IMAGENS/chao.bmp" || falhar "convert"
for nome in parede monstro0 monstro1 avatar0 avatar1; do
    convert -size 50x50 xc:'#ff00ff' -fill '#c08040' -draw 'rectangle 10,10 39,39' "BMP3:$IMAGENS/$nome.bmp"
done
preparar_pasta "$IMAGENS" "$(printf '%s\n' 1111111111111111 1300000000000001 1000200000000201 1000000000000001 \
    1020000110000201 1111111111111111)"
# Cell (7, 3), at pixel (375, 175), is empty, and nothing moves before frame
# 2.
tempos=()
for _ in $(seq "${3:-7}"); do
    t=$("$PRIMEIRO_QUADRO" "$JOGO" 375 175 48 96 48) || falhar "no first frame"
    echo "start to first frame: $t ms"
    tempos+=("$t")
done
printf '%s\n' "${tempos[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "median of %d runs: %s ms\n", NR, t[int((NR + 1) / 2)] }'
