# The scripts' game functions for the .exe under Wine in prefix $E2E_WINE, on Wine's virtual desktop
# (a stand-in for a window manager); sourced by comum.sh. `wine.sh criar PREFIX ZIP` makes the
# prefix, the zip unpacked in its C:\tabuleiro2; `wine.sh remover PREFIX` ends both.
export WINEPREFIX=${E2E_WINE:-$2} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# The window is an X child of the desktop's, its 800 x 600 client area a child of that.
LANCADOR=wine
achar_janela() {
    local topo
    topo=$(xdotool search --name "${TITULO:-^tabuleiro2\$}" 2>/dev/null | head -n1)
    [ -z "$topo" ] || xwininfo -children -id "$topo" | awk '/ 800x600\+/ {print $1}'
}

# Windows ends lines with CR LF; the CRs go. Files: Wine's own processes hold pipes open.
rodar_jogo() {
    local s; s=$(mktemp -d)
    timeout 20 wine "$@" >"$s/saida" 2>"$s/erro"
    set -- $? "$s"
    tr -d '\r' <"$2/saida" && tr -d '\r' <"$2/erro" >&2 && rm -r "$2" && return "$1"
}

# Every Windows process of the prefix: kill and timeout reach Wine's loader, not always those.
parar_jogo() { wineserver -k; wineserver -w; } 2>/dev/null

[ "$0" != "${BASH_SOURCE[0]}" ] || { parar_jogo; rm -rf "$2"; [ "$1" = remover ] || { wineboot -i &&
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f &&
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
    wineserver -w && mkdir "$2/drive_c/tabuleiro2" && cd "$_" && unzip -q "$3"; }; }
