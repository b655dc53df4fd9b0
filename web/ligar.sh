#!/bin/sh
# A web program's link: ligar.sh LIST -- COMMAND... runs COMMAND once every
# function LIST names for ASYNCIFY (one a line, * for any text) is defined
# in the objects and libraries COMMAND links; otherwise it fails, naming
# them: the program would link, then never come back from its first rest().
lista=$1
shift 2
# The .o and .a files of the command and of the @files it reads.
arquivos() {
    for a; do
        case $a in
        @*) tr -s ' ' '\n' <"${a#@}" | tr -d '"' ;;
        *) echo "$a" ;;
        esac
    done | grep -E '\.(o|a)$'
}
definidas=$(arquivos "$@" | xargs emnm -C --defined-only 2>/dev/null | sed -n 's/^[0-9a-f]* [TtWw] //p')
# Newer toolchains name a main that takes argc and argv __main_argc_argv in
# the wasm, older ones main: the list names both, and either is enough.
if printf '%s\n' "$definidas" | grep -qx -e main -e __main_argc_argv; then
    definidas=$(printf '%s\nmain\n__main_argc_argv' "$definidas")
fi
faltam=$(while read -r nome; do
    printf '%s\n' "$definidas" | while read -r f; do case $f in $nome) echo sim; break ;; esac; done |
        grep -q sim || echo "  $nome"
done <"$lista")
if [ -n "$faltam" ]; then
    printf 'error: %s names functions that nothing linked defines (renamed in src/?):\n%s\n' "$lista" "$faltam" >&2
    exit 1
fi
# A listed function that the optimizer inlined is unwound within its caller, listed too.
saida=$("$@" 2>&1)
estado=$?
printf '%s\n' "$saida" | grep -v -e '^$' -e 'Asyncify addlist contained a non-' >&2
exit $estado
