#!/bin/bash
# Runs the command line on a private X display: WebKit's MiniBrowser has no headless mode.
. "$(dirname "$0")/janela.sh"
iniciar_xvfb 1600x1200
"$@"
