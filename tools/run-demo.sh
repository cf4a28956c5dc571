#!/usr/bin/env bash
# Starts the program under Wine as a user would have it, from build/demo-program/ with its
# language files (English at the first start; a choice made there is kept for the next).
# It runs on $WINEPREFIX when that is set, else on a demo prefix in build/. Only the demo
# prefix is prepared and stopped afterwards; on one's own prefix the program starts and
# nothing else is touched. Without a display it runs on a private Xvfb screen.
set -euo pipefail
win64=$(realpath "$1")
cd "$(dirname "$0")/.."
tools/stage-program.sh "$win64" build/demo-program
source tools/wine-session.sh
wine_session_start "${WINEPREFIX:-$PWD/build/wine-demo}"
echo "Sorvanto runs on WINEPREFIX=$WINEPREFIX, DISPLAY=$DISPLAY; close its window to end."
wine build/demo-program/sorvanto.exe
