#!/bin/bash
# `make release` twice, in two clones of this tree (its uncommitted changes
# copied in and staged) at different paths, the second under another time zone, umask,
# locale and clock (400 days on): the .deb, the Windows zip and the web zip
# must be the same byte for byte; diffoscope shows where one differs.
# Usage: reprodutivel.sh FOLDER ALLEGRO_DOWNLOADS
set -u
RAIZ=$(cd "$(dirname "$0")/../.." && pwd)
PASTA=$(realpath -m "$1") BAIXADOS=$(realpath -m "$2")
rm -rf "$PASTA" && mkdir -p "$PASTA" || exit 1

# Clones the tree into $1 with umask $2 and runs `env ${@:3} make release`
# there, its output into $1.log.
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
A=$PASTA/a/tabuleiro2
B=$PASTA/outro/caminho/mais/longo/tabuleiro2
lancar "$A" 022 TZ=UTC LC_ALL=C.UTF-8
lancar "$B" 077 TZ=Pacific/Kiritimati LC_ALL=C LANGUAGE=pt faketime -f +400d

falhas=0
while read -r _ nome; do
    if cmp -s "$A/build-release/$nome" "$B/build-release/$nome"; then
        echo "the same in both: $nome"
    else
        falhas=$((falhas + 1))
        echo "FAIL: $nome differs; diffoscope's report (whole in $PASTA/$nome.txt):"
        diffoscope --text "$PASTA/$nome.txt" "$A/build-release/$nome" "$B/build-release/$nome" >/dev/null
        head -n 60 "$PASTA/$nome.txt"
    fi
done <"$A/build-release/SHA256SUMS"
cmp -s "$A/build-release/SHA256SUMS" "$B/build-release/SHA256SUMS" || { echo "FAIL: the SHA256SUMS differ"; falhas=$((falhas + 1)); }
[ "$falhas" -eq 0 ] || exit 1
echo "PASS: $(wc -l <"$A/build-release/SHA256SUMS") downloads the same byte for byte"
