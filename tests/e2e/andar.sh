#!/bin/bash
# Holding an arrow moves the avatar cell by cell, one cell per two frames
# at most, turned an eighth of a turn for the right, until a wall stops it.
# Usage: andar.sh GAME DATA_FOLDER
set -u
JOGO=$1
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
# From (1, 10) right to the wall after (5, 10).
preparar_pasta "$2" "$(printf '%.0s0000000000000000' {1..10})1300001"
iniciar_jogo "$JOGO"

# Centre of a square cell, and of a sprite half-way out of it.
centro() { echo "$(($1 * 50 + 25)) $(($2 * 50 + 25))"; }

# A sighting at pixel ($1, $2), within a few pixels of a square cell or of
# a half-way point on the line to the target ($3), given as that point.
no_caminho() {
    local x=$(((($1 + 12) / 25) * 25)) y=$(((($2 + 12) / 25) * 25)) ax ay
    read -r ax ay <<<"$3"
    [ $(($1 - x)) -le 4 ] && [ $((x - $1)) -le 4 ] && [ $(($2 - y)) -le 4 ] && [ $((y - $2)) -le 4 ] &&
        { [ $((x % 50)) -eq 25 ] || [ $((y % 50)) -eq 25 ]; } && { [ "$x" = "$ax" ] || [ "$y" = "$ay" ]; } &&
        echo "$x $y"
}

# Holds key $1 and follows the avatar until it shows square at (x, y) =
# ($2, $3); every sighting on the way must be square in a cell or half-way
# between two cells along the line. Sets INICIO (start of the last
# capture before it left) and CHEGADA (end of the first capture there).
seguir() {
    local alvo antes depois pos dx dy prazo=$(($(agora_ms) + 30000))
    alvo=$(centro "$2" "$3")
    capturar q.png
    read -r dx dy <<<"$(centro_da_cor q.png "$CAMISA")"
    pos=$(no_caminho "$dx" "$dy" "$alvo") || falhar "$1: avatar at $dx $dy before the key"
    xdotool keydown "$1"
    INICIO=$(agora_ms)
    local partida=$pos
    while [ "$pos" != "$alvo" ]; do
        [ "$(agora_ms)" -lt "$prazo" ] || falhar "$1: avatar at $pos, never reached $alvo"
        antes=$(agora_ms)
        capturar q.png
        depois=$(agora_ms)
        pos=$(centro_da_cor q.png "$CAMISA")
        read -r dx dy <<<"$pos"
        pos=$(no_caminho "$dx" "$dy" "$alvo") || falhar "$1: avatar at $dx $dy, off its way"
        [ "$pos" = "$partida" ] && INICIO=$antes
    done
    CHEGADA=$depois
}

# Which reference the cell at pixel ($2, $3) of capture $1 is closest to.
mais_parecida() {
    convert "$1" -crop "50x50+$2+$3" +repage q_celula.png
    for r in ref_*.png; do
        echo "$(compare -metric RMSE q_celula.png "$r" null: 2>&1 | cut -d' ' -f1) $r"
    done | sort -g | head -n1 | cut -d' ' -f2
}

# The standing avatar on the floor of cell (5, 10), unturned and turned.
referencias() {
    convert chao.bmp -crop 50x50+250+500 +repage q_chao.png
    for a in 0 -45 180; do
        convert avatar1.bmp -virtual-pixel background -background '#ff00ff' -filter point \
            -distort SRT "$a" -transparent '#ff00ff' q_sprite.png
        convert q_chao.png q_sprite.png -composite "ref_$a.png"
    done
}

seguir Right 5 10
[ $((CHEGADA - INICIO)) -ge 600 ] ||
    falhar "four cells in $((CHEGADA - INICIO)) ms: faster than one cell per two frames"
sleep 1
capturar q.png
[ "$(centro_da_cor q.png "$CAMISA")" = "$(centro 5 10)" ] || falhar "the wall did not stop the avatar"
referencias
[ "$(mais_parecida q.png 250 500)" = ref_-45.png ] || falhar "facing right, not turned an eighth"
xdotool keyup Right
sair_com_esc
echo "PASS"
