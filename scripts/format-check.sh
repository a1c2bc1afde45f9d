#!/usr/bin/env bash
# Fails, naming the places, when a tracked C++ file in src, tests or tools is
# not formatted as .clang-format says. `clang-format -i FILE` fixes a file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages clang-format
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' |
    xargs -0 -r clang-format --dry-run -Werror
