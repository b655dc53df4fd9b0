#!/bin/bash
# The sample board in the real window: the floor, the walls, the avatar
# and every monster, each sprite in its cell.
# Usage: janela.sh GAME DATA_FOLDER
set -u
JOGO=$1
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
preparar_pasta "$2"
cp "$2/tabuleiro.map" . || falhar "no sample board in $2"

# The board's cell characters, one "x y c" a line.
celulas() { tr -cd 0-3 <tabuleiro.map | fold -w1 | awk '{ print (NR-1) % 16, int((NR-1) / 16), $1 }'; }
MONSTROS=$(celulas | awk '$3 == 2' | wc -l)

# What the window must show wherever nothing moves: the floor with the
# walls and the standing, unturned avatar on it, and floor under monsters.
convert avatar1.bmp -transparent '#ff00ff' q_avatar.png
mapfile -t sprites < <(celulas | awk '$3 == 1 || $3 == 3 {
    print ($3 == 1 ? "parede.bmp" : "q_avatar.png"); print "-geometry"; print "+" $1 * 50 "+" $2 * 50
    print "-composite" }')
convert chao.bmp "${sprites[@]}" q_esperado.png

# Why capture $1 is not the board; nothing when it is. Per cell, the share
# of pixels unlike the expected picture, 0 to 255.
conferir() {
    compare -fuzz 10% "$1" q_esperado.png -compose src -highlight-color white \
        -lowlight-color black q_diferenca.png 2>/dev/null
    convert q_diferenca.png -crop 50x50 -format '%[fx:round(mean*255)]\n' info: |
        paste -d' ' <(celulas) - |
        awk -v m="$MONSTROS" '
        $3 == 1 && $4 > 2 { print "no wall in cell " $1 "," $2; exit }
        $3 == 3 && $4 > 2 { print "no standing avatar in cell " $1 "," $2; exit }
        $3 == 0 { vazias++; chao += $4 <= 2 }
        END { if (NR == 192 && chao < vazias - 2 * m) print "floor in " chao " of " vazias " empty cells" }'
    local verdes
    verdes=$(pixels_da_cor "$1" "$PELE_MONSTRO")
    [ "$verdes" -ge $((MONSTROS * 400)) ] && [ "$verdes" -le $((MONSTROS * 800)) ] ||
        echo "$verdes monster pixels for $MONSTROS monsters"
}

iniciar_jogo "$JOGO"
prazo=$(($(agora_ms) + 20000))
while capturar q.png; motivo=$(conferir q.png); [ -n "$motivo" ]; do
    [ "$(agora_ms)" -lt "$prazo" ] || falhar "$motivo"
    sleep 0.1
done
sair_com_esc
echo "PASS"
