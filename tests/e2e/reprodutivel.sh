#!/bin/bash
# `make release` twice, in two clones of this tree (its uncommitted changes copied in and staged) at
# different paths, the second under another time zone, umask, locale, clock (400 days on) and order
# of every folder's files: the .deb, the Windows zip, the web zip and the source package must be the
# same byte for byte; diffoscope shows where one differs.
# Usage: reprodutivel.sh FOLDER ALLEGRO_DOWNLOADS
set -u
RAIZ=$(cd "$(dirname "$0")/../.." && pwd)
PASTA=$(realpath -m "$1") BAIXADOS=$(realpath -m "$2")
A=$PASTA/a/tabuleiro2
B=$PASTA/outro/caminho/mais/longo/tabuleiro2
fusermount -u -q "$B" 2>/dev/null
rm -rf "$PASTA" && mkdir -p "$PASTA" || exit 1

# Clones the tree into $1 with umask $2 and runs `env ${@:3} make release` there, logged in $1.log.
lancar() {
    local clone=$1 mascara=$2 inicio=$SECONDS
    shift 2
    mkdir -p "$(dirname "$clone")"
    if (umask "$mascara" && git clone -q "$RAIZ" "$clone" &&
        git -C "$RAIZ" ls-files -z | tar -C "$RAIZ" --null -T - -cf - | tar -C "$clone" -xf - &&
        cd "$clone" && git add -A && env "$@" make release BAIXADOS="$BAIXADOS") >"$clone.log" 2>&1; then
        echo "make release in $clone: $((SECONDS - inicio)) s"
    else
        tail -n 30 "$clone.log"
        echo "FAIL: make release in $clone (its whole output in $clone.log)"
        exit 1
    fi
}
lancar "$A" 022 TZ=UTC LC_ALL=C.UTF-8
# The second clone seen through disorderfs, which lists every folder in a new order each time.
mkdir -p "$B.disco" "$B" && disorderfs -q --shuffle-dirents=yes "$B.disco" "$B" || exit 1
trap 'fusermount -u "$B"' EXIT
lancar "$B" 077 TZ=Pacific/Kiritimati LC_ALL=C LANGUAGE=pt faketime -f +400d

# The release with its SHA256SUMS, and the source package and the debug symbols besides.
falhas=0
cd "$A" || exit 1
for arquivo in build-release/* build/deb/*.dsc build/deb/*.tar.xz build/deb/*-dbgsym_*.deb; do
    if cmp -s "$arquivo" "$B/$arquivo"; then
        echo "the same in both: $arquivo"
    else
        falhas=$((falhas + 1)) relatorio=$PASTA/$(basename "$arquivo").txt
        echo "FAIL: $arquivo differs; diffoscope's report (whole in $relatorio):"
        diffoscope --text "$relatorio" "$arquivo" "$B/$arquivo" >/dev/null
        head -n 60 "$relatorio"
    fi
done
[ "$falhas" -eq 0 ] || exit 1
echo "PASS: every file the same byte for byte"
