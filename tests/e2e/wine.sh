# The end-to-end scripts' game functions for the Windows .exe under Wine,
# in the prefix at $E2E_WINE, on Wine's virtual desktop (a stand-in for a
# window manager). Sourced by comum.sh; `wine.sh criar|remover PREFIX`
# makes or removes that prefix.
export WINEPREFIX=$E2E_WINE WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

criar_prefixo() {
    wineboot -i && wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f &&
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f && wineserver -w
} >/dev/null 2>&1

# The game's window is an X child of the desktop's, its 800 x 600 client
# area a child of that, shown before the first frame (one colour until
# then); keys go to the desktop, which hands them on.
iniciar_jogo() {
    setsid wine "$@" &
    JOGO_PID=$!
    local prazo=$(($(agora_ms) + 30000)) quadro
    JANELA=
    while [ -z "$JANELA" ]; do
        kill -0 "$JOGO_PID" 2>/dev/null || falhar "the game ended before its window showed"
        [ "$(agora_ms)" -lt "$prazo" ] || falhar "no 800x600 game window within 30 s"
        sleep 0.1
        quadro=$(xdotool search --name '^tabuleiro2$' 2>/dev/null | head -n1)
        [ -z "$quadro" ] || JANELA=$(xwininfo -children -id "$quadro" | awk '/ 800x600\+/ { print $1 }')
        [ -z "$JANELA" ] || [ "$(xwd -silent -id "$JANELA" | convert xwd:- -format %k info:)" -gt 1 ] || JANELA=
    done
    xdotool search --name 'Wine desktop$' windowfocus --sync
}

# Windows ends lines with CR LF; the CR is dropped here.
rodar_jogo() {
    local saida erro estado
    saida=$(mktemp) erro=$(mktemp)
    timeout 20 wine "$@" >"$saida" 2>"$erro"
    estado=$?
    tr -d '\r' <"$saida" && tr -d '\r' <"$erro" >&2
    rm -f "$saida" "$erro"
    return $estado
}

# timeout and kill reach Wine's loader, not always the Windows process.
parar_jogo() {
    [ -z "${JOGO_PID:-}" ] || kill -KILL -- "-$JOGO_PID" 2>/dev/null
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}

if [ "$0" = "${BASH_SOURCE[0]}" ]; then
    export E2E_WINE=$2 WINEPREFIX=$2
    if [ "$1" = criar ]; then rm -rf "$2" && criar_prefixo; else parar_jogo; rm -rf "$2"; fi
fi
