#!/bin/bash
# In a folder without "tabuleiro.map" the game prints its message and ends with 1.
set -u
JOGO=$1
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
PASTA=$(mktemp -d)
cd "$PASTA" || falhar "no temporary folder"
saida=$(timeout 20 "$JOGO" 2>/dev/null)
estado=$?
[ "$estado" -eq 1 ] || falhar "exit status $estado, expected 1"
[ "$saida" = "Arquivo nao pode ser aberto" ] || falhar "output '$saida'"
[ "$(timeout 20 "$JOGO" 2>/dev/null | od -c | head -n1)" = "$(printf 'Arquivo nao pode ser aberto\n' | od -c | head -n1)" ] ||
    falhar "output does not end in exactly one line feed"
echo "PASS"
