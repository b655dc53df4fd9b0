# Shared by the end-to-end tests: a private X server for the real game.
# Usage: . comum.sh; iniciar_xvfb; ... (stopped on exit)

falhar() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY.
iniciar_xvfb() {
    local fd_arquivo
    fd_arquivo=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_arquivo" 2>/dev/null &
    XVFB_PID=$!
    trap parar_xvfb EXIT
    for _ in $(seq 100); do
        [ -s "$fd_arquivo" ] && break
        sleep 0.1
    done
    [ -s "$fd_arquivo" ] || falhar "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_arquivo")"
    rm -f "$fd_arquivo"
}

parar_xvfb() {
    [ -n "${JOGO_PID:-}" ] && kill "$JOGO_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "${PASTA:-}" ] && rm -rf "$PASTA"
    return 0
}
