# What the end-to-end tests, the benchmarks and the tools share: a private X server, a program's
# window in it, and esperar, the one wait; tests/e2e/wine.sh redefines some of it for Windows.

falhar() { echo "FAIL: $*" >&2; exit 1; }

agora_ms() { date +%s%3N; }

# Runs command $3... in this shell until it succeeds, for $1 seconds at most; else the test fails,
# saying $2 and the MOTIVO the command last left.
esperar() {
    local prazo=$(($(agora_ms) + $1 * 1000)) o_que=$2
    shift 2
    MOTIVO=
    until "$@"; do
        [ "$(agora_ms)" -lt "$prazo" ] || falhar "$o_que${MOTIVO:+: $MOTIVO}"
        sleep 0.05
    done
}

# Xvfb on a display it picks, its screen $1 (1024x768) wide; it, the game and PASTA go at the end.
iniciar_xvfb() {
    local fd
    fd=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$fd" 2>/dev/null &
    XVFB_PID=$!
    trap 'parar_jogo; kill "$XVFB_PID"; rm -rf "${PASTA:-}"' EXIT
    esperar 10 "Xvfb did not start" test -s "$fd"
    export DISPLAY=":$(head -n1 "$fd")"
    rm -f "$fd"
}

# Goes to PASTA, a new folder, with the images of folder $1 and, if given, the board $2.
preparar_pasta() {
    PASTA=$(mktemp -d)
    cd "$PASTA" && cp "$1"/*.bmp . || falhar "no images in $1"
    [ $# -lt 2 ] || printf '%s\n' "$2" >tabuleiro.map
}

# Starts the game in the background (through LANCADOR) and waits for its first frame: its window,
# titled as TITULO (a regular expression) says, is of one colour until then.
iniciar_jogo() {
    setsid ${LANCADOR:-} "$@" &
    JOGO_PID=$! JANELA=
    esperar 30 "no frame drawn in an 800x600 window" primeiro_quadro
}

primeiro_quadro() {
    kill -0 "$JOGO_PID" 2>/dev/null || falhar "the game ended before its first frame"
    JANELA=$(achar_janela)
    [ -n "$JANELA" ] && [ "$(capturar png:- | convert - -format %k info:)" -gt 1 ]
}

# The game's 800 x 600 window, or nothing.
achar_janela() {
    local j
    j=$(xdotool search --onlyvisible --name "${TITULO:-^tabuleiro2\$}" 2>/dev/null | head -n1)
    [ -n "$j" ] && xdotool getwindowgeometry "$j" | grep -q 'Geometry: 800x600' && echo "$j"
}

# Killed outright: Allegro's handler for a gentler signal can hang once the X server is gone.
parar_jogo() { [ -z "${JOGO_PID:-}" ] || kill -KILL -- "-$JOGO_PID" 2>/dev/null; }

capturar() { xwd -silent -id "$JANELA" | convert xwd:- "$1"; }

tecla() { xdotool "$1" "$2"; }

# Waits up to $1 seconds for the game to end; sets ESTADO.
esperar_fim() {
    esperar "$1" "the game did not end" eval '! kill -0 "$JOGO_PID" 2>/dev/null'
    wait "$JOGO_PID"
    ESTADO=$?
    JOGO_PID=
}

# Holds Esc until the game ends, which must be with status 0.
sair_com_esc() {
    tecla keydown Escape
    esperar_fim 10
    tecla keyup Escape
    [ "$ESTADO" -eq 0 ] || falhar "exit status $ESTADO after Esc, expected 0"
}
