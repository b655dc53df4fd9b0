#!/bin/bash
# The gates Debian's archive puts a package through, for the source package
# in FOLDER (`make deb` builds it) and each release SUITE, each gate in
# clean roots that mmdebstrap makes from the machine's own apt sources and
# keyring, only the suite changed (cmake/fontes_debian.sh):
#   1. the build, in a root holding only the essential packages and the
#      Build-Depends, as Debian's builders build it;
#   2. that release's lintian --pedantic on the .changes, the .dsc and the
#      .deb, with no error, warning or pedantic tag; desktop-file-validate,
#      appstreamcli validate-tree --strict and ImageMagick on what the .deb
#      installs;
#   3. autopkgtest (debian/tests) on the .deb, in its unshare backend;
#   4. piuparts: install, remove and purge leave nothing behind.
# What each release's gates make lands in OUT/SUITE/, with each gate's log;
# a gate that fails is said, the others still run, and the status is 1.
# Runs as root.
# Usage: linux/portoes.sh FOLDER OUT SUITE...
set -u
FONTE=$(realpath "$1") SAIDA=$(realpath -m "$2")
shift 2
RAIZ=$(cd "$(dirname "$0")/.." && pwd)
dsc=$(ls "$FONTE"/tabuleiro2_*.dsc 2>/dev/null) || { echo "FAIL: no source package in $FONTE: make deb" >&2; exit 1; }

FALHAS=() # every gate that failed, in every release

# Runs gate $1 ($2...) with its output into $pasta/$1.log; a failure is
# noted, with the end of the log, and the other gates still run.
portao() {
    local nome=$1
    shift
    "$@" >"$pasta/$nome.log" 2>&1 && return 0
    tail -n 30 "$pasta/$nome.log"
    echo "FAIL ($suite): $nome (its whole log: $pasta/$nome.log)" >&2
    FALHAS+=("$suite: $nome")
    return 1
}

# Release $suite's gates, into $SAIDA/$suite. The judges run in the root the
# build was made in, after it; what they find fails them, not the build.
portoes() {
    local pasta=$SAIDA/$suite fontes opcoes=() deb
    rm -rf "$pasta" && mkdir -p "$pasta" || exit 1
    fontes=$pasta/fontes.sources
    "$RAIZ/cmake/fontes_debian.sh" "$suite" >"$fontes"
    # A snapshot of the archive may hold an index past its date: unstable's.
    case $suite in sid | unstable | experimental) opcoes=(--aptopt='Acquire::Check-Valid-Until "false"') ;; esac

    echo "== $suite: the build in a clean root, then lintian and the metadata's validators"
    portao construcao mmdebstrap --variant=buildd "${opcoes[@]}" --dpkgopt=force-unsafe-io \
        --customize-hook='mkdir "$1/construcao"' \
        --customize-hook="copy-in $dsc ${dsc%.dsc}.tar.xz $RAIZ/linux/julgar.sh /construcao" \
        --customize-hook='chroot "$1" sh -ec "cd /construcao && dpkg-source -x *.dsc fonte && cd fonte &&
            apt-get build-dep -y --no-install-recommends ./ && dpkg-buildpackage -us -uc"' \
        --customize-hook='chroot "$1" apt-get install -y --no-install-recommends lintian desktop-file-utils appstream imagemagick' \
        --customize-hook='chroot "$1" /construcao/julgar.sh || touch "$1/construcao/julgamento-falhou"' \
        --customize-hook='rm -r "$1/construcao/fonte" "$1/construcao/julgar.sh"; rm -rf "$1/construcao/arvore"' \
        --customize-hook="sync-out /construcao $pasta" \
        "$suite" /dev/null "$fontes" || return
    echo "lintian: $(grep -c . "$pasta/lintian.txt") tags"
    cat "$pasta/lintian.txt"
    if [ -e "$pasta/julgamento-falhou" ]; then
        cat "$pasta/appstream.txt"
        echo "FAIL ($suite): lintian or a validator (what each said: $pasta/construcao.log)" >&2
        FALHAS+=("$suite: judges")
    fi

    deb=$(ls "$pasta"/tabuleiro2_*_"$(dpkg --print-architecture)".deb)
    portao raiz mmdebstrap --variant=minbase "${opcoes[@]}" --dpkgopt=force-unsafe-io \
        "$suite" "$pasta/raiz.tar.gz" "$fontes" || return
    echo "== $suite: autopkgtest"
    portao autopkgtest autopkgtest -U "$deb" "$pasta"/tabuleiro2_*.dsc \
        -- unshare --release "$suite" --tarball "$pasta/raiz.tar.gz" &&
        sed -n '/@@@@ summary/,$p' "$pasta/autopkgtest.log" | tail -n +2
    echo "== $suite: piuparts"
    # Debian 13's debconf leaves /var/cache/debconf/tmp.ci/, which Debian 12's
    # piuparts does not know yet; it is no package's, ours neither.
    portao piuparts piuparts --basetgz "$pasta/raiz.tar.gz" --keep-sources-list --distribution "$suite" \
        --ignore=/var/cache/debconf/tmp.ci/ ${opcoes:+--no-check-valid-until} "$deb" &&
        tail -n 1 "$pasta/piuparts.log"
}

for suite; do
    inicio=$SECONDS
    antes=${#FALHAS[@]}
    portoes
    [ ${#FALHAS[@]} -eq "$antes" ] && echo "PASS ($suite): every gate, in $((SECONDS - inicio)) s"
done
[ ${#FALHAS[@]} -eq 0 ] || { printf 'FAIL: %s\n' "${FALHAS[@]}" >&2; exit 1; }
