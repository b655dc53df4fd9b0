# The end-to-end tests' apoio/janela.sh, rodar_jogo and colours; with E2E_WINE, wine.sh's too.
. "$(dirname "${BASH_SOURCE[0]}")/../../apoio/janela.sh"

# The board's columns, rows and cells and a cell's side in pixels, as the game's headers say.
fato() { sed -n "s/^const int $1 = \([0-9]*\);.*/\1/p" "$(dirname "${BASH_SOURCE[0]}")/../../src/$2"; }
COLUNAS=$(fato LARGURA_TABULEIRO tabuleiro.h) LINHAS=$(fato ALTURA_TABULEIRO tabuleiro.h) LADO=$(fato TAMANHO_CELULA desenho.h)
CELULAS=$((COLUNAS * LINHAS))

# Runs the game to its end in the foreground; its status is returned.
rodar_jogo() { timeout 20 "$@"; }

# Colours that only the avatar's shirt and the monster's skin have.
CAMISA='#2860e0'
PELE_MONSTRO='#40b038'

# Centre "x y" of the pixels of colour $2 in image $1, or "- -"; with $3 set, how many they are.
centro_da_cor() {
    convert "$1" -fuzz 8% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%@ %[fx:round(mean*w*h)]' info: 2>/dev/null | tr 'x+' '  ' |
        awk -v n="${3:-}" 'n { print $5; exit } $1 > 0 { print int($3 + $1 / 2), int($4 + $2 / 2); exit } { print "- -" }'
}

[ -z "${E2E_WINE:-}" ] || . "$(dirname "${BASH_SOURCE[0]}")/wine.sh"
