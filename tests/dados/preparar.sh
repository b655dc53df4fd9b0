# The board and the six images the real game is run with, written into a
# folder by the tests and benchmarks that start it.
# Usage: . preparar.sh; preparar_dados PASTA FAZER_BMP

COR_CHAO=(0 120 0) # the background's colour, to tell a drawn frame

preparar_dados() {
    local pasta=$1 fazer_bmp=$2
    printf '%s\n' 1111111111111111 1300000000000001 1011101111011101 1000100200010001 \
        1110101110101011 1000001000100001 1011111010111101 1000200010000201 \
        1110111011101111 1000000000000001 1020000110000201 1111111111111111 \
        >"$pasta/tabuleiro.map" &&
        "$fazer_bmp" 800 600 "${COR_CHAO[@]}" "$pasta/chao.bmp" &&
        "$fazer_bmp" 50 50 90 90 90 "$pasta/parede.bmp" &&
        "$fazer_bmp" 50 50 220 0 0 "$pasta/monstro0.bmp" &&
        "$fazer_bmp" 50 50 150 0 0 "$pasta/monstro1.bmp" &&
        "$fazer_bmp" 50 50 0 0 220 "$pasta/avatar0.bmp" &&
        "$fazer_bmp" 50 50 0 0 150 "$pasta/avatar1.bmp"
}
