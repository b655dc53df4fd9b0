#!/bin/bash
# The .deb: Allegro's runtime among its Depends, the game, launcher, data,
# desktop entry, icon and man page under /usr, and a launcher that plays
# once unpacked.
# Usage: pacote.sh BUILD_FOLDER
set -u
. "$(dirname "$0")/comum.sh"
iniciar_xvfb
PASTA=$(mktemp -d)
(cd "$1" && cpack -G DEB -B "$PASTA" >/dev/null) || falhar "cpack failed"
deb=$(ls "$PASTA"/tabuleiro2_*.deb) || falhar "no .deb"
dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )liballegro4\.4( |,|$)' ||
    falhar "Depends lacks liballegro4.4: $(dpkg-deb -f "$deb" Depends)"
conteudo=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for f in usr/bin/tabuleiro2 usr/libexec/tabuleiro2/tabuleiro2 usr/share/tabuleiro2/tabuleiro.map \
    usr/share/tabuleiro2/{chao,parede,monstro0,monstro1,avatar0,avatar1}.bmp \
    usr/share/applications/tabuleiro2.desktop usr/share/pixmaps/tabuleiro2.xpm \
    usr/share/man/man6/tabuleiro2.6.gz; do
    grep -qx "./$f" <<<"$conteudo" || falhar "not in the package: $f"
done
dpkg-deb -x "$deb" "$PASTA/raiz" || falhar "the package does not unpack"
jogar_pelo_lancador "$PASTA/raiz/usr/bin/tabuleiro2"
echo "PASS"
