#!/usr/bin/env bash
# Puts the program as a user gets it (sorvanto.exe with the language files beside it) into a
# folder of its own, so that what it writes beside itself stays there and never lands beside
# the build's own sorvanto.exe.
#   stage-program.sh WIN64_BUILD FOLDER [fresh]
# With "fresh" the folder is emptied first, so the program starts as if never run.
set -euo pipefail
win64=$1 folder=$2
[[ ${3:-} == fresh ]] && rm -rf "$folder"
mkdir -p "$folder"
cp "$win64/sorvanto.exe" "$win64"/*.svl "$folder/"
