#!/usr/bin/env bash
# Builds Marbolt, makes the demo world in demo/ and opens its main scenario.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
./build/tools/demoworld/marbolt-demo demo
export WINEPREFIX="$PWD/demo/wine"
scenario="demo/Szenarien/Inselreich.szs"
echo "Campaigns of the demo game installation:"
./build/src/cli/marbolt-cli campaigns
echo
echo "The demo world's main scenario ($scenario), decoded:"
./build/src/cli/marbolt-cli dump "$scenario"
