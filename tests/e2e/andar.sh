#!/bin/bash
# Holding an arrow walks the avatar along its row at most one cell per two
# frames, turned an eighth of a turn to face right, until a wall stops it.
# Usage: andar.sh GAME DATA_FOLDER
set -u
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
# The avatar in cell (1, 10), a wall in (6, 10).
preparar_pasta "$2" "$(printf '%.0s0000000000000000' {1..10})1300001"

# The avatar's centre in a new capture, to the nearest 25 pixels.
onde() {
    capturar q.png
    centro_da_cor q.png "$CAMISA" | awk '{ printf "%d %d", int(($1 + 12) / 25) * 25, int(($2 + 12) / 25) * 25 }'
}

iniciar_jogo "$1"
[ "$(onde)" = "75 525" ] || falhar "the avatar is not in cell 1,10"
# Where the avatar is now, in MOTIVO; true once in cell (5, 10).
em_5_10() {
    MOTIVO="avatar at $(onde)"
    [ "${MOTIVO##* }" = 525 ] || falhar "$MOTIVO, off its row"
    [ "$MOTIVO" = "avatar at 275 525" ]
}

tecla keydown Right
inicio=$(agora_ms)
esperar 20 "the avatar never reached cell 5,10" em_5_10
[ $(($(agora_ms) - inicio)) -ge 600 ] || falhar "four cells in under 600 ms: faster than one per two frames"
# Held on for a second more (five acting frames), it stays against the wall.
parado=$(($(agora_ms) + 1000))
while [ "$(agora_ms)" -lt "$parado" ]; do
    [ "$(onde)" = "275 525" ] || falhar "the wall did not stop the avatar"
done

# The cell against the standing avatar on its floor, turned three ways.
convert q.png -crop 50x50+250+500 +repage q_celula.png
convert chao.bmp -crop 50x50+250+500 +repage q_chao.png
for a in 0 -45 180; do
    convert avatar1.bmp -virtual-pixel background -background '#ff00ff' -filter point \
        -distort SRT "$a" -transparent '#ff00ff' q_sprite.png
    echo "$(convert q_chao.png q_sprite.png -composite - | compare -metric RMSE q_celula.png - null: 2>&1 | cut -d' ' -f1) $a"
done | sort -g | head -n1 | grep -q ' -45$' || falhar "facing right, not turned an eighth"
tecla keyup Right
sair_com_esc
echo PASS
