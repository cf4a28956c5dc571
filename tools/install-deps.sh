#!/usr/bin/env bash
# Installs the Debian packages that the builds and tests need, and those named on the
# command line (such as clang for `make fuzz`), and nothing when all are there already.
set -euo pipefail
packages=(
    cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64 wine wine64 fonts-wine fonts-liberation
    xvfb xauth openbox imagemagick x11-utils python3 zip unzip
    "$@"
)
missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0
echo "Installing: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
