#!/usr/bin/env bash
# Pictures of the main window, one per tab, in build/screenshots/; the first one (the tab the
# program opens on) is also the README's picture. The program runs as a user first gets it:
# freshly unpacked with its language files, so in English.
set -euo pipefail
win64=$(realpath "$1")
cd "$(dirname "$0")/.."
source tools/wine-session.sh
wine_session_start "$PWD/build/wine-shots" headless
out=build/screenshots
mkdir -p "$out"
tools/stage-program.sh "$win64" "$out/program" fresh
helper() { wine "$win64/screenshot_helper.exe" "$@"; }

wine "$out/program/sorvanto.exe" &
program=$!
helper wait
sleep 1
names=(menu-start pulpit eksplorator ograniczenia ograniczenia-2 podpowiedzi system ikony
       dodaj-usun o-programie)
shoot() {
    sleep 0.5
    timeout 5 import -window root -crop "$(helper rect | tr -d '\r')" +repage "$out/$1.png"
}
shoot main-window
for i in "${!names[@]}"; do
    helper tab "$i"
    shoot "$((i + 1))-${names[$i]}"
done
helper close
wait "$program" || true
mkdir -p docs
cp "$out/main-window.png" docs/main-window.png
echo "Screenshots in $out/"
