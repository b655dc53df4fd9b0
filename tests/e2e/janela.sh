#!/bin/bash
# The sample board in the real window: the floor, every wall, the standing, unturned avatar in its
# cell and the monsters about; then, the right arrow held, the avatar walks along its row at most
# one cell per two frames until the wall stops it. With OUT, the board without its monsters, saved
# there for the web pages as sem_monstros.map, with its first frame and the one with the avatar
# against the wall as raw RGB (primeiro.rgb, parado.rgb).
# Usage: janela.sh GAME DATA_FOLDER [OUT]
set -u
. "$(dirname "$0")/comum.sh"
SAIDA=${3:+$(realpath -m "$3")}
iniciar_xvfb
[ -s "$2/tabuleiro.map" ] || falhar "no sample board in $2"
preparar_pasta "$2" "$(sed "${SAIDA:+y/2/0/}" "$2/tabuleiro.map")"
[ -z "$SAIDA" ] || install -D -m 644 tabuleiro.map "$SAIDA/sem_monstros.map" || falhar "no $SAIDA"
guardar() { [ -z "$SAIDA" ] || convert q.png -depth 8 "rgb:$SAIDA/$1"; }

# "x y c" for each of the board's cells.
celulas() { tr -cd 0-3 <tabuleiro.map | fold -w1 | awk -v c="$COLUNAS" '{ print (NR - 1) % c, int((NR - 1) / c), $1 }'; }
MONSTROS=$(celulas | grep -c ' 2$')
convert avatar1.bmp -transparent '#ff00ff' q_avatar.png
convert chao.bmp $(celulas | awk -v l="$LADO" '$3 == 1 || $3 == 3 {
    printf "%s -geometry +%d+%d -composite ", $3 == 1 ? "parede.bmp" : "q_avatar.png", $1 * l, $2 * l }') q_esperado.png

# Why capture $1 is not the board, or nothing; wandering monsters may cover a few other cells.
conferir() {
    compare -fuzz 10% "$1" q_esperado.png -compose src -highlight-color white \
        -lowlight-color black q_diferenca.png 2>/dev/null
    convert q_diferenca.png -crop ${LADO}x$LADO -format '%[fx:round(mean * 255)]\n' info: |
        paste -d' ' <(celulas) - | awk -v m="$MONSTROS" -v n="$CELULAS" '
        ($3 == 1 || $3 == 3) && $4 > 2 { print "cell " $1 "," $2 " is not drawn as the board says"; exit }
        $4 > 2 { outras++ }
        END { if (NR != n || outras > 2 * m) print outras " cells unlike the floor" }'
    [ "$(centro_da_cor "$1" "$PELE_MONSTRO" n)" -ge $((MONSTROS * 400)) ] || echo "monsters missing"
}

iniciar_jogo "$1"
esperar 20 "the window never showed the board" eval 'capturar q.png; MOTIVO=$(conferir q.png); [ -z "$MOTIVO" ]'
guardar primeiro.rgb

# The avatar, in cell (1, 1), has the wall in (5, 1) ahead. Where it is now, to the nearest 25
# pixels, in MOTIVO, and when the capture began, in VISTO; true once it stands in cell (4, 1).
em_4_1() {
    VISTO=$(agora_ms)
    capturar q.png
    MOTIVO="avatar at $(centro_da_cor q.png "$CAMISA" |
        awk '{ print int(($1 + 12) / 25) * 25, int(($2 + 12) / 25) * 25 }')"
    [ "$MOTIVO" = "avatar at 225 75" ]
}
# Three moves and a resting frame take 500 ms at least, 100 ms a frame; the capture that saw the
# third may have begun a little before it.
inicio=$(agora_ms)
tecla keydown Right
esperar 20 "the avatar never reached cell 4,1" em_4_1
[ $((VISTO - inicio)) -ge 300 ] || falhar "three cells in $((VISTO - inicio)) ms: faster than one per two frames"
# Held on for a second more (five acting frames), it stays against the wall.
parado=$(($(agora_ms) + 1000))
while [ "$(agora_ms)" -lt "$parado" ]; do
    em_4_1 || falhar "the wall did not stop the avatar: $MOTIVO"
done
guardar parado.rgb
tecla keyup Right
sair_com_esc
echo PASS
