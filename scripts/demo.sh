#!/usr/bin/env bash
# Builds Marbolt, makes the demo world in demo/ and opens its main scenario in
# the editor. The demo world's game installation is found through its Wine
# prefix, as a real one would be.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
./build/tools/demoworld/marbolt-demo demo
export WINEPREFIX="$PWD/demo/wine"
exec ./build/src/editor/app/marbolt "demo/Szenarien/Inselreich.szs"
