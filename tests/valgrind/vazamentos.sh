#!/bin/bash
# The real game under valgrind's memcheck: a short run on a real board with
# real images, ended by a real Esc, must end with status 0, no memory error
# and no definitely lost block but the element images (jogo.supp).
# Usage: vazamentos.sh JOGO
set -u
JOGO=$1
AQUI=$(cd "$(dirname "$0")" && pwd)
. "$AQUI/../e2e/comum.sh"
iniciar_xvfb
preparar_pasta - "$(printf '%s\n' 1111111111111111 1300000000000001 1000200000000201 1000000110000001 \
    1020000000000001 1111111111111111)"

valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --error-exitcode=99 --suppressions="$AQUI/jogo.supp" --log-file=valgrind.log "$JOGO" &
JOGO_PID=$!
janela=$(timeout 120 xdotool search --sync --onlyvisible --name '^tabuleiro2$' | head -n1)
[ -n "$janela" ] || falhar "no game window"
sleep 3 # some frames, moves included
# Esc is held until the game has ended: a frame under valgrind is slow.
xdotool windowfocus --sync "$janela" keydown Escape
for _ in $(seq 600); do
    kill -0 "$JOGO_PID" 2>/dev/null || break
    sleep 0.1
done
xdotool keyup Escape
wait "$JOGO_PID"
estado=$?
JOGO_PID=
[ "$estado" -eq 0 ] || { cat valgrind.log; falhar "exit status $estado"; }
grep -q 'definitely lost: 0 bytes\|All heap blocks were freed' valgrind.log ||
    { cat valgrind.log; falhar "definitely lost blocks"; }
grep -A4 'LEAK SUMMARY' valgrind.log
echo "PASS"
