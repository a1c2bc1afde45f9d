#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the sources of the
# given folders (default: all of src/) and their headers, two at a time, as
# the build compiles them; fails on any finding.
# Usage: scripts/tidy.sh [BUILD_DIR [FOLDER...]], e.g.
#   scripts/tidy.sh build src/core src/cli
# A build folder without compile_commands.json is configured first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages clang-tidy
root=$PWD
build=${1:-build}
shift || true
folders=("${@:-src}")
tidy=/usr/bin/clang-tidy
if [[ ! -f $build/compile_commands.json ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
# One pattern for the runner: ^/root/(src/core|src/cli)/
pattern="^$root/($(IFS='|'; echo "${folders[*]%/}"))/"
if command -v run-clang-tidy >/dev/null; then
    exec run-clang-tidy -clang-tidy-binary "$tidy" -p "$build" -j2 -quiet \
        -header-filter="^$root/src/" "$pattern"
fi
# Without the runner: the same, file by file.
grep -o "\"file\": \"$root/[^\"]*\"" "$build/compile_commands.json" | cut -d'"' -f4 |
    grep -E "$pattern" | sort -u | xargs -r -P2 -n1 "$tidy" -p "$build" --quiet --header-filter="^$root/src/"
