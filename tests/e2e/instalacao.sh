#!/bin/bash
# The game installed by cmake --install into a temporary prefix, then the
# source package and the .deb `make deb` built into BUILD_FOLDER/deb:
# Debian's own tools find no fault in them, and each launcher plays
# from a folder without the game's files (a board named as an option after
# --), answers --help and --version and refuses an option it does not know;
# the editor finds its images. Usage: instalacao.sh BUILD_FOLDER
set -u
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
# TMPDIR: the launcher's folder for a board goes with PASTA, even if a failure kills it.
PASTA=$(mktemp -d) && cd "$PASTA" && export TMPDIR=$PASTA || falhar "no temporary folder"

# Launcher $1 (with words $2..., the last the board file): the avatar shows in its cell; Esc ends with 0.
jogar() {
    local mapa=${2:+${!#}} celula
    mapa=${mapa:-$(dirname "$1")/../share/games/tabuleiro2/tabuleiro.map}
    celula=$(tr -cd 0-3 <"$mapa" | awk '{ n = index($0, "3") - 1; print n % 16 * 50 + 25, int(n / 16) * 50 + 25 }')
    iniciar_jogo "$@"
    esperar 20 "$*: the avatar not in its cell $celula" \
        eval 'capturar q.png; MOTIVO="at $(centro_da_cor q.png "$CAMISA")"; [ "$MOTIVO" = "at $celula" ]'
    sair_com_esc
}

cmake --install "$1" --prefix "$PASTA/prefixo" >/dev/null || falhar "cmake --install failed"
jogar "$PASTA/prefixo/games/tabuleiro2"
printf '0000000000000000\n0003\n' >./-x.map
jogar "$PASTA/prefixo/games/tabuleiro2" -- -x.map
saida=$(timeout 20 "$PASTA/prefixo/games/tabuleiro2" nenhum.map 2>/dev/null); estado=$?
[ "$estado" -eq 1 ] && [ "$saida" = "Arquivo nao pode ser aberto" ] || falhar "a missing board: status $estado, output '$saida'"
# Its options; one it does not know is refused with one usage line, nothing played.
[[ $("$PASTA/prefixo/games/tabuleiro2" --help) == "Uso: tabuleiro2 "* ]] || falhar "tabuleiro2 --help"
[[ $("$PASTA/prefixo/games/tabuleiro2" --version) =~ ^tabuleiro2\ [0-9]+(\.[0-9]+)+$ ]] || falhar "tabuleiro2 --version"
erro=$(timeout 20 "$PASTA/prefixo/games/tabuleiro2" --nada 2>&1 >/dev/null); estado=$?
[ "$estado" -eq 2 ] && [[ $erro == "Uso: tabuleiro2 "* && $erro != *$'\n'* ]] || falhar "tabuleiro2 --nada: status $estado, error '$erro'"
# The editor beside it finds the images; with no file named, it edits tabuleiro.map.
TITULO='^tabuleiro\.map - pincel: parede - ' iniciar_jogo "$PASTA/prefixo/games/tabuleiro2-editor"
sair_com_esc

deb=$(ls "$1"/deb/tabuleiro2_*.deb) && changes=$(ls "$1"/deb/tabuleiro2_*.changes) || falhar "no .deb in $1/deb: make deb"
dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )liballegro4\.4( |,|$)' || falhar "Depends lacks liballegro4.4"
# The .changes names the .dsc, the source tarball and the .deb: lintian reads them all.
achados=$(lintian --pedantic --fail-on error,warning,pedantic "$changes" 2>/dev/null) || falhar "lintian: $achados"
dpkg-deb -x "$deb" "$PASTA/raiz" || falhar "the package does not unpack"
achados=$(desktop-file-validate "$PASTA"/raiz/usr/share/applications/*.desktop 2>&1) && [ -z "$achados" ] || falhar "desktop-file-validate: $achados"
# lintian checks each icon's size against its folder, but not the PNG itself.
identify -regard-warnings "$PASTA"/raiz/usr/share/icons/hicolor/*/apps/*.png >/dev/null || falhar "a broken icon"
achados=$(appstreamcli validate-tree --no-net --strict "$PASTA/raiz") || falhar "appstreamcli: $achados"
jogar "$PASTA/raiz/usr/games/tabuleiro2"
echo "PASS"
