#!/bin/bash
# Start-up failures of the real game, each at once with its status and message; every image checked.
# Usage: falhas_inicio.sh GAME DATA_FOLDER
set -u
. "$(dirname "$0")/comum.sh"

# The game here ends with status $1, $2 on standard output, nothing or a line like $3 on error.
esperar_falha() {
    rodar_jogo "$JOGO" >saida.txt 2>erro.txt
    local estado=$? erro=$(cat erro.txt) saida=$(cat saida.txt; echo .)
    [ "$estado" -eq "$1" ] && [ "$saida" = "${2:+$2$NL}." ] && [[ "$erro" != *$NL* && "$erro" == ${3:-""} ]] ||
        falhar "status $estado, output '$(cat saida.txt)', error '$erro'; expected $1, '$2', '${3:-}'"
}

JOGO=$1 NL=$'\n'
iniciar_xvfb
PASTA=$(mktemp -d) && cd "$PASTA" || falhar "no folder"
[ -n "${E2E_WINE:-}" ] || (unset DISPLAY; esperar_falha 2 "" "Falha em allegro_init: *") || exit 1
esperar_falha 1 "Arquivo nao pode ser aberto"
mkdir tabuleiro.map
esperar_falha 1 "Arquivo nao pode ser aberto"
rmdir tabuleiro.map
cp "$2"/*.bmp . && echo 3 >tabuleiro.map || falhar "no images in $2"
[ "$(ls *.bmp | wc -l)" -eq 6 ] || falhar "not six images in $2"
for imagem in *.bmp; do
    mv "$imagem" guardada.bmp
    esperar_falha 2 "" "Imagem nao pode ser carregada: $imagem"
    mv guardada.bmp "$imagem"
done
echo PASS
