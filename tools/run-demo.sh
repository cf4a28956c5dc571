#!/usr/bin/env bash
# Starts the program under Wine: on $WINEPREFIX when it is set, else on a demo prefix in
# build/. Only the demo prefix is prepared and stopped afterwards; on one's own prefix the
# program starts and nothing else is touched. Without a display it runs on a private Xvfb
# screen.
set -euo pipefail
exe=$(realpath "$1")
cd "$(dirname "$0")/.."
source tools/wine-session.sh
wine_session_start "${WINEPREFIX:-$PWD/build/wine-demo}"
echo "Sorvanto runs on WINEPREFIX=$WINEPREFIX, DISPLAY=$DISPLAY; close its window to end."
wine "$exe"
