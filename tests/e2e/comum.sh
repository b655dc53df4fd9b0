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

# Writes plain but valid images for every file the game loads into folder $1.
fazer_imagens() {
    convert -size 800x600 xc:'#306030' "BMP3:$1/chao.bmp" || falhar "convert"
    local nome
    for nome in parede monstro0 monstro1 avatar0 avatar1; do
        convert -size 50x50 xc:'#ff00ff' -fill '#c08040' -draw 'rectangle 10,10 39,39' \
            "BMP3:$1/$nome.bmp" || falhar "convert"
    done
}
