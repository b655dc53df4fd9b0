#!/bin/bash
# The other Debian release the game plays and tests on, in a clean root: on
# Debian 12 one of Debian 13, on Debian 13 one of Debian 12, made by
# mmdebstrap from the machine's own apt sources and keyring, only the suite
# changed (cmake/fontes_debian.sh). The root is kept in FOLDER between runs
# and made again when its release's package lists change or once it is a
# week old. This tree is cloned into it, its uncommitted changes copied in
# and staged, and `make test` runs there: every tree but those that make roots of their
# own. Runs as root.
# Usage: tests/outra_versao.sh FOLDER
set -u
PROJETO=$(cd "$(dirname "$0")/.." && pwd)
PASTA=$(realpath -m "$1")
case $(. /etc/os-release && echo "$VERSION_CODENAME") in
bookworm) suite=trixie ;;
trixie) suite=bookworm ;;
*) echo "FAIL: the game plays on Debian 12 and 13, not on $(. /etc/os-release && echo "$PRETTY_NAME")" >&2; exit 1 ;;
esac
raiz=$PASTA/$suite
mkdir -p "$PASTA" || exit 1

# Runs $@ in the root, with the machine's /dev, /proc and /sys and a /tmp
# and /dev/shm of its own, all of it unmounted when it ends, in the UTF-8
# locale every Debian system has.
na_raiz() {
    cp /etc/resolv.conf "$raiz/etc/resolv.conf"
    unshare --mount --pid --fork --kill-child bash -c 'r=$1; shift
        mount --rbind /dev "$r/dev" && mount --make-rslave "$r/dev" && mount -t proc proc "$r/proc" &&
        mount --rbind /sys "$r/sys" && mount --make-rslave "$r/sys" &&
        mount -t tmpfs tmpfs "$r/dev/shm" && mount -t tmpfs tmpfs "$r/tmp" &&
        exec chroot "$r" env -i HOME=/root LANG=C.UTF-8 TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin "$@"' \
        - "$raiz" "$@"
}

# The dates of the root's package lists, as the archive signed them.
listas() { grep -h -E '^(Suite|Date):' "$raiz"/var/lib/apt/lists/*InRelease 2>/dev/null; }

if [ -d "$raiz" ] && [ -n "$(find "$raiz.feita" -mtime -7 2>/dev/null)" ] &&
    na_raiz apt-get -q update >/dev/null && [ "$(listas)" = "$(cat "$raiz.listas")" ]; then
    echo "== the $suite root of $(date -r "$raiz.feita" +%F), its package lists unchanged"
else
    echo "== a new $suite root"
    rm -rf "$raiz" "$raiz.feita"
    "$PROJETO/cmake/fontes_debian.sh" "$suite" >"$raiz.sources"
    mmdebstrap --variant=apt --include=ca-certificates,git,make --dpkgopt=force-unsafe-io \
        --skip=cleanup/apt/lists "$suite" "$raiz" "$raiz.sources" >"$raiz.log" 2>&1 ||
        { tail -n 20 "$raiz.log"; echo "FAIL: no $suite root (its log: $raiz.log)" >&2; exit 1; }
    listas >"$raiz.listas" && touch "$raiz.feita"
fi

# The certificate authorities the machine's administrator added, which the
# npm registry may be reached through, trusted in the root too.
cp -r /usr/local/share/ca-certificates/. "$raiz/usr/local/share/ca-certificates/" &&
    na_raiz update-ca-certificates >"$raiz.log" 2>&1 || { cat "$raiz.log"; exit 1; }
clone=$raiz/root/tabuleiro2
rm -rf "$clone" && git clone -q "$PROJETO" "$clone" &&
    git -C "$PROJETO" ls-files -z | tar -C "$PROJETO" --null -T - -cf - | tar -C "$clone" -xf - &&
    git -C "$clone" add -A || exit 1
na_raiz make -C /root/tabuleiro2 test NA_RAIZ=1 2>&1 | tee "$raiz.teste.log" |
    grep --line-buffered -E '^(make test|[0-9]+% tests passed|PASS|FAIL)'
[ "${PIPESTATUS[0]}" -eq 0 ] || { echo "FAIL: make test in the $suite root (its whole output: $raiz.teste.log)" >&2; exit 1; }
echo "PASS: make test in the $suite root"
