#!/usr/bin/env bash
# The zip for Windows users, under build/: a Sorvanto folder with sorvanto.exe, the shipped
# language files and a short README.txt with Windows line ends.
set -euo pipefail
win64=$(realpath "$1")
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(Sorvanto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
staging=build/package/Sorvanto
zip=build/sorvanto-$version-win64.zip
tools/stage-program.sh "$win64" "$staging" fresh
sed 's/$/\r/' resources/README.txt >"$staging/README.txt"
rm -f "$zip"
(cd build/package && zip -q -X -r "../$(basename "$zip")" Sorvanto)
echo "Package: $zip"
unzip -l "$zip"
