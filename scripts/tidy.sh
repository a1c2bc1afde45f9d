#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source in src/
# (and the headers there), two at a time, as the build compiles them; fails
# on any finding. Usage: scripts/tidy.sh [BUILD_DIR], default build; a build
# folder without compile_commands.json is configured first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
tidy=/usr/bin/clang-tidy
if [[ ! -f $build/compile_commands.json ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if command -v run-clang-tidy >/dev/null; then
    exec run-clang-tidy -clang-tidy-binary "$tidy" -p "$build" -j2 -quiet \
        -header-filter="^$root/src/" "^$root/src/"
fi
# Without the runner: the same, file by file.
grep -o "\"file\": \"$root/src/[^\"]*\"" "$build/compile_commands.json" | cut -d'"' -f4 |
    sort -u | xargs -r -P2 -n1 "$tidy" -p "$build" --quiet --header-filter="^$root/src/"
