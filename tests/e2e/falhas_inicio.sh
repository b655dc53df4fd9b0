#!/bin/bash
# Start-up failures of the real game: each ends at once with its status and
# one line naming what failed, and never hangs.
set -u
JOGO=$1
. "$(dirname "$0")/comum.sh"
PASTA=$(mktemp -d)
cd "$PASTA" || falhar "no temporary folder"

# Runs the game here; checks its status, standard output and standard error.
esperar_falha() {
    local caso=$1 status=$2 saida=$3 erro=$4
    timeout 20 "$JOGO" >saida.txt 2>erro.txt
    local obtido=$?
    [ "$obtido" -eq "$status" ] || falhar "$caso: exit status $obtido, expected $status"
    if [ -n "$saida" ]; then printf '%s\n' "$saida" >esperada.txt; else : >esperada.txt; fi
    cmp -s saida.txt esperada.txt || falhar "$caso: standard output '$(cat saida.txt)'"
    if [ -z "$erro" ]; then
        [ ! -s erro.txt ] || falhar "$caso: standard error '$(cat erro.txt)'"
    else
        [ "$(wc -l <erro.txt)" -eq 1 ] && grep -q -E "$erro" erro.txt ||
            falhar "$caso: standard error '$(cat erro.txt)'"
    fi
    echo "ok: $caso"
}

(unset DISPLAY; esperar_falha "no display" 2 "" "^Falha em allegro_init: ") || exit 1
DISPLAY=:4711 esperar_falha "display pointing nowhere" 2 "" "^Falha em allegro_init: "

iniciar_xvfb
esperar_falha "empty folder" 1 "Arquivo nao pode ser aberto" ""
mkdir tabuleiro.map
fazer_imagens .
esperar_falha "board file is a folder" 1 "Arquivo nao pode ser aberto" ""
rmdir tabuleiro.map
printf '3\n' >tabuleiro.map

# Which bad files count as no image is the unit tests' business; here, that
# every image is checked, and a bad one ends the real game cleanly.
for nome in chao parede monstro0 monstro1 avatar0 avatar1; do
    mv "$nome.bmp" guardada.bmp
    esperar_falha "$nome.bmp missing" 2 "" "^Imagem nao pode ser carregada: $nome.bmp$"
    head -c 1000 guardada.bmp >"$nome.bmp"
    esperar_falha "$nome.bmp cut short" 2 "" "^Imagem nao pode ser carregada: $nome.bmp$"
    mv guardada.bmp "$nome.bmp"
done
echo "PASS"
