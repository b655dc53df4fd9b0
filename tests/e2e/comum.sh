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
    # A game left running when a test fails is killed outright: Allegro's
    # own handler for a gentler signal can hang once the server is gone.
    [ -n "${JOGO_PID:-}" ] && kill -KILL -- "-$JOGO_PID" 2>/dev/null
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

# Colours that only the avatar's shirt and the monster's skin have.
CAMISA='#2860e0'
PELE_MONSTRO='#40b038'

agora_ms() { date +%s%3N; }

# Makes PASTA, a temporary folder, and goes there, with the images from
# folder $1 (plain ones drawn here when $1 is "-") and, when $2 is given,
# that text as the board.
preparar_pasta() {
    PASTA=$(mktemp -d)
    cd "$PASTA" || falhar "no temporary folder"
    if [ "$1" = - ]; then fazer_imagens "$PASTA"; else cp "$1"/*.bmp "$PASTA"/ || falhar "no images in $1"; fi
    [ $# -lt 2 ] || printf '%s\n' "$2" >"$PASTA/tabuleiro.map"
}

# Starts a command in the background as the game, in a process group of
# its own, and waits for its 800 x 600 window; sets JOGO_PID and JANELA.
iniciar_jogo() {
    setsid "$@" &
    JOGO_PID=$!
    esperar_janela
}

esperar_janela() {
    local prazo=$(($(agora_ms) + 20000))
    JANELA=""
    while [ -z "$JANELA" ] && [ "$(agora_ms)" -lt "$prazo" ]; do
        kill -0 "$JOGO_PID" 2>/dev/null ||
            falhar "the game ended before its window showed$(kill -0 "$XVFB_PID" 2>/dev/null || echo ': Xvfb is gone')"
        JANELA=$(xdotool search --onlyvisible --name '^tabuleiro2$' 2>/dev/null | head -n1)
        [ -n "$JANELA" ] || sleep 0.1
    done
    [ -n "$JANELA" ] || falhar "no game window within 20 s"
    [ "$(xdotool getwindowgeometry "$JANELA" | sed -n 's/ *Geometry: //p')" = 800x600 ] ||
        falhar "the window is not 800x600"
}

# The window's picture, as an image file.
capturar() { xwd -silent -id "$JANELA" | convert xwd:- "$1"; }

# Centre "x y" of the pixels of colour $2 in image $1; "- -" if none.
centro_da_cor() {
    convert "$1" -fuzz 8% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%@' info: 2>/dev/null |
        awk -F'[x+]' '$1 > 0 { printf "%d %d\n", $3 + $1 / 2, $4 + $2 / 2; next } { print "- -" }'
}

# How many pixels of image $1 have colour $2.
pixels_da_cor() {
    convert "$1" -fuzz 8% -fill black +opaque "$2" -fill white -opaque "$2" \
        -format '%[fx:round(mean*w*h)]' info:
}

# Waits up to $1 seconds for the game to end; sets ESTADO.
esperar_fim() {
    local prazo=$(($(agora_ms) + $1 * 1000))
    while kill -0 "$JOGO_PID" 2>/dev/null && [ "$(agora_ms)" -lt "$prazo" ]; do sleep 0.1; done
    kill -0 "$JOGO_PID" 2>/dev/null && falhar "the game did not end within $1 s"
    wait "$JOGO_PID"
    ESTADO=$?
    JOGO_PID=""
}

# Holds Esc until the game ends, which must be with status 0.
sair_com_esc() {
    xdotool keydown Escape
    esperar_fim 10
    xdotool keyup Escape
    [ "$ESTADO" -eq 0 ] || falhar "exit status $ESTADO after Esc, expected 0"
}

# Centre "x y" of the cell of the first avatar in board file $1.
centro_do_avatar() {
    tr -cd 0-3 <"$1" | fold -w1 | awk '$1 == 3 { n = NR - 1; print n % 16 * 50 + 25, int(n / 16) * 50 + 25; exit }'
}
