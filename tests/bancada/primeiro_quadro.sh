#!/bin/bash
# Time from start to the first frame of the real game, on a private Xvfb
# with the test board and images: a few runs, each printed, then the median.
# Usage: primeiro_quadro.sh JOGO FAZER_BMP PRIMEIRO_QUADRO [RUNS]
set -u
JOGO=$(realpath "$1")
FAZER_BMP=$(realpath "$2")
PRIMEIRO_QUADRO=$(realpath "$3")
AQUI=$(cd "$(dirname "$0")" && pwd)
. "$AQUI/../e2e/comum.sh"
. "$AQUI/../dados/preparar.sh"
iniciar_xvfb
PASTA=$(mktemp -d)
preparar_dados "$PASTA" "$FAZER_BMP" || falhar "could not write the board and the images"
cd "$PASTA" || falhar "no temporary folder"
# Cell (7, 9) is empty on the test board; nothing moves before frame 2.
tempos=()
for _ in $(seq "${4:-7}"); do
    t=$("$PRIMEIRO_QUADRO" "$JOGO" 375 475 "${COR_CHAO[@]}") || falhar "no first frame"
    echo "start to first frame: $t ms"
    tempos+=("$t")
done
printf '%s\n' "${tempos[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "median of %d runs: %s ms\n", NR, t[int((NR + 1) / 2)] }'
