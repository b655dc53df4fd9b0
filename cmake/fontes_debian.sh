#!/bin/sh
# Prints the machine's own apt entries for Debian's archive, one-line or
# deb822 as they stand, as deb822 stanzas of types TIPOS with the machine's
# release replaced by SUITE: where a root of another release, or a source
# package, is fetched from, through the machine's own mirrors and keyrings.
# unstable and experimental have no -updates nor -security suites: those go.
# Usage: fontes_debian.sh SUITE [TIPOS]    (TIPOS: deb by default; deb-src)
suite=$1 tipos=${2:-deb}
[ -n "$suite" ] || { echo "usage: $0 SUITE [TYPES]" >&2; exit 2; }
atual=$(. /etc/os-release && echo "$VERSION_CODENAME")
{
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && cat "$f" && printf '\n\n'
    done
    # One-line entries as stanzas: "deb [opts] URI SUITE COMPONENT..."
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | sed 's/#.*//' | awk '
    $1 == "deb" || $1 == "deb-src" {
        campos["signed-by"] = "Signed-By"; campos["arch"] = "Architectures"; campos["trusted"] = "Trusted"
        extra = ""; i = 2
        if ($2 ~ /^\[/) {
            for (; i <= NF; i++) {
                op = $i; gsub(/[][]/, "", op); split(op, kv, "=")
                if (kv[1] in campos) extra = extra campos[kv[1]] ": " kv[2] "\n"
                if ($i ~ /\]$/) { i++; break }
            }
        }
        comp = $(i + 2); for (j = i + 3; j <= NF; j++) comp = comp " " $j
        printf "Types: %s\nURIs: %s\nSuites: %s\nComponents: %s\n%s\n", $1, $i, $(i + 1), comp, extra
    }'
} | awk -v atual="$atual" -v suite="$suite" -v tipos="$tipos" '
BEGIN { RS = ""; FS = "\n" }
{
    texto = ""; suites = ""; debian = 0; ligado = 1
    for (i = 1; i <= NF; i++) {
        linha = $i
        if (linha ~ /^#/) continue
        if (linha ~ /^[Tt]ypes:/) { debian = linha ~ /[ \t]deb([ \t]|$)/; linha = "Types: " tipos }
        if (linha ~ /^[Ee]nabled:[ \t]*no/) ligado = 0
        if (linha ~ /^[Ss]uites:/) {
            n = split(substr(linha, 8), lista, /[ \t]+/)
            for (j = 1; j <= n; j++) {
                s = lista[j]
                if (s == atual) suites = suites " " suite
                else if (index(s, atual "-") == 1 && suite !~ /^(sid|unstable|experimental|rc-buggy)$/)
                    suites = suites " " suite substr(s, length(atual) + 1)
            }
            linha = "Suites:" suites
        }
        texto = texto linha "\n"
    }
    if (debian && ligado && suites != "") printf "%s\n", texto
}'
