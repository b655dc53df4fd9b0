#!/bin/bash
# cmake --install into a temporary prefix: the files land, and the
# launcher plays from any folder, the sample board or one it is given.
# Usage: instalacao.sh BUILD_FOLDER
set -u
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
PASTA=$(mktemp -d)
cmake --install "$1" --prefix "$PASTA/prefixo" >/dev/null || falhar "cmake --install failed"
cd "$PASTA/prefixo" || falhar "nothing installed"
for f in bin/tabuleiro2 libexec/tabuleiro2/tabuleiro2 share/tabuleiro2/tabuleiro.map \
    share/tabuleiro2/{chao,parede,monstro0,monstro1,avatar0,avatar1}.bmp \
    share/tabuleiro2/boards/campo.map share/applications/tabuleiro2.desktop \
    share/pixmaps/tabuleiro2.xpm share/man/man6/tabuleiro2.6.gz; do
    [ -s "$f" ] || falhar "not installed: $f"
done
grep -qx 'Exec=tabuleiro2' share/applications/tabuleiro2.desktop || falhar "desktop entry runs something else"
zcat share/man/man6/tabuleiro2.6.gz | grep -q 'Arquivo nao pode ser aberto' || falhar "man page lacks the exit statuses"

jogar_pelo_lancador "$PASTA/prefixo/bin/tabuleiro2"
printf '0000000000000000\n0003\n' >"$PASTA/meu.map"
jogar_pelo_lancador "$PASTA/prefixo/bin/tabuleiro2" "$PASTA/meu.map"

saida=$(cd "$PASTA" && timeout 20 "$PASTA/prefixo/bin/tabuleiro2" nenhum.map 2>/dev/null)
estado=$?
[ "$estado" -eq 1 ] && [ "$saida" = "Arquivo nao pode ser aberto" ] ||
    falhar "a missing board: status $estado, output '$saida'"
echo "PASS"
