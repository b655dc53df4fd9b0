#!/bin/sh
# Fetches Allegro's upstream tarball from Debian's source archive with apt
# itself (apt-get source --tar-only), which checks it against the signed
# index, through the machine's own mirrors (fontes_debian.sh), and unpacks
# it into DESTINO, dated now, so that a hunk taken out of a patch rebuilds
# its file too. apt's state lives in PASTA, so the machine's is never
# touched; every port (windows/, web/) unpacks from the same PASTA, so the
# tarball is fetched once for all of them.
# Usage: buscar_allegro.sh PASTA DESTINO
set -eu
PACOTE=allegro4.4
ORIGINAL=${PACOTE}_4.4.3.1.orig.tar.gz # the upstream version our patches are for
PASTA=$1 DESTINO=$2
aqui=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$PASTA"
exec 9>"$PASTA/trava" # two ports built at once wait for each other here
flock 9

if [ ! -f "$PASTA/$ORIGINAL" ]; then
    mkdir -p "$PASTA/fontes" "$PASTA/estado/lists/partial" "$PASTA/cache/archives/partial" "$PASTA/pacote"
    release=$(. /etc/os-release && echo "$VERSION_CODENAME")
    "$aqui/fontes_debian.sh" "$release" deb-src >"$PASTA/fontes/debian.sources"
    touch "$PASTA/estado/status"
    set -- -q -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$PASTA/fontes" \
        -o Dir::State="$PASTA/estado" -o Dir::State::status="$PASTA/estado/status" \
        -o Dir::Cache="$PASTA/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User="$(id -un)"
    apt-get "$@" update >&2
    (cd "$PASTA/pacote" && apt-get "$@" source --download-only --tar-only "$PACOTE" >&2)
    [ -f "$PASTA/pacote/$ORIGINAL" ] || {
        echo "apt's $PACOTE is not upstream 4.4.3.1: $(ls "$PASTA/pacote")" >&2
        exit 1
    }
    mv "$PASTA/pacote/$ORIGINAL" "$PASTA/"
fi
rm -rf "$DESTINO" "$DESTINO.desempacotado"
mkdir -p "$DESTINO.desempacotado"
tar -xzmf "$PASTA/$ORIGINAL" -C "$DESTINO.desempacotado"
mv "$DESTINO.desempacotado"/* "$DESTINO"
rmdir "$DESTINO.desempacotado"
