#!/bin/bash
# The board editor in a real window: each brush, a drag, the right button, S and the file, a
# read-only board, Esc with unsaved changes; the checker's statuses, the options, those refused.
# Usage: editor.sh EDITOR
set -u
EDITOR=$1
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
PASTA=$(mktemp -d) && cd "$PASTA" || falhar "no temporary folder"

# xdotool's commands $@, moves in the editor's window, each click held a tenth of a second.
no_editor() {
    xdotool $(sed -E "s/mousemove/mousemove --window $JANELA/g; s/click ([0-9])/mousedown \1 sleep 0.1 mouseup \1 sleep 0.1/g" <<<"$*")
}

# Cell ($1, $2) of the window, as a hash of its pixels.
celula() { capturar png:- | convert - -crop "${LADO}x$LADO+$(($1 * LADO))+$(($2 * LADO))" +repage -format '%#' info:; }
# The mouse's commands $3..., then cell ($1, $2) changed: on Windows a key could overtake them.
pintar() {
    local x=$1 y=$2 antes
    antes=$(celula "$x" "$y")
    no_editor "${@:3}"
    esperar 20 "cell $x,$y unchanged by: ${*:3}" eval '[ "$(celula "$x" "$y")" != "$antes" ]'
}
# Key $1, then a wait for the title it brings, as regular expression $2 says.
teclar() {
    local titulo=$2
    tecla key "$1"
    esperar 20 "no window titled '$titulo'" eval 'xdotool search --name "$titulo" >/dev/null'
}

# An empty board to start from, which the save replaces.
printf '%s\n' 0000000000000000{,,,,,,,,,,,} >novo.map
TITULO='^novo\.map - pincel: parede - ' iniciar_jogo "$EDITOR" novo.map
# Walls dragged across row 3 a step at a time, a monster in (1, 1), an avatar in (3, 1), (7, 3)
# emptied by the right button and (5, 3) by brush 0; S.
pintar 0 3 mousemove 25 175 mousedown 1
# Wine 10 now and then misses a move of the pointer while a button is held, where a hand's mouse
# goes on moving: the move is made again, a pixel apart, until the far cell shows it.
antes=$(celula 15 3) x=774
esperar 20 "cell 15,3 unchanged by the drag" eval 'no_editor mousemove $((x ^= 1)) 175 && [ "$(celula 15 3)" != "$antes" ]'
no_editor mouseup 1
teclar 2 'pincel: monstro'
pintar 1 1 mousemove 75 75 click 1
teclar 3 'pincel: avatar'
pintar 3 1 mousemove 175 75 click 1
pintar 7 3 mousemove 375 175 click 3
teclar 0 'pincel: vazio'
pintar 5 3 mousemove 275 175 click 1
teclar s '^novo\.map - pincel: vazio - '
printf '%s\n' 0000000000000000 0203000000000000 0000000000000000 1111101011111111 \
    0000000000000000{,,,,,,,} >esperado.map
cmp novo.map esperado.map || falhar "saved board: $(cat novo.map)"

chmod 444 novo.map
pintar 0 3 mousemove 25 175 click 3
teclar s '^novo\.map\* - pincel: vazio - somente leitura'
cmp -s novo.map esperado.map || falhar "a read-only board replaced: $(cat novo.map)"
teclar Escape '^novo\.map\* - pincel: vazio - Esc de novo sai sem gravar'
tecla key Escape
esperar_fim 10
[ "$ESTADO" -eq 0 ] && cmp -s novo.map esperado.map || falhar "second Esc: status $ESTADO, board $(cat novo.map)"

# The editor run to its end with the words $2...: status $1; what it printed in SAIDA and ERRO.
rodar_editor() {
    rodar_jogo "$EDITOR" "${@:2}" >saida.txt 2>erro.txt
    set -- $? "$@"
    SAIDA=$(cat saida.txt) ERRO=$(cat erro.txt)
    [ "$1" -eq "$2" ] || falhar "editor ${*:3}: status $1, expected $2; '$SAIDA' '$ERRO'"
}
printf '0\n' >curto.map && cp curto.map ./-x.map && mkdir pasta.map
for caso in "0 --verificar novo.map" "1 --verificar curto.map" "1 --verificar -- -x.map" \
    "2 --verificar nenhum.map" "2 pasta.map"; do
    rodar_editor $caso
done
rodar_editor 0 --version
[[ $SAIDA =~ ^tabuleiro2-editor\ \(tabuleiro2\)\ [0-9]+(\.[0-9]+)+$ && -z $ERRO ]] || falhar "--version: '$SAIDA' '$ERRO'"
rodar_editor 0 --help
[[ $SAIDA == "Uso: tabuleiro2-editor "* && -z $ERRO ]] || falhar "--help: '$SAIDA' '$ERRO'"
# Refused with one usage line: no file read or written, no window.
arquivos=$(ls)
for errado in --nada --rascunho --verificar "--rascunho --verificar novo.map" "novo.map curto.map"; do
    rodar_editor 2 $errado
    [[ -z $SAIDA && $ERRO == "Uso: tabuleiro2-editor "* && $ERRO != *$'\n'* && $(ls) == "$arquivos" ]] ||
        falhar "editor $errado: '$SAIDA' '$ERRO', files $(ls)"
done
echo PASS
