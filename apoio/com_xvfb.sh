#!/bin/bash
# Runs the command line on a private X display, gone with it: for WebKit's MiniBrowser, which has no
# headless mode, and what drives it.
. "$(dirname "$0")/janela.sh"
iniciar_xvfb 1600x1200
"$@"
