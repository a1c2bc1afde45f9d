#!/usr/bin/env bash
# Builds the core, marbolt-cli and every test, the widget tests included, with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/, then runs
# those tests. The first sanitizer report ends the test program, so any
# report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARBOLT_SANITIZE=ON
cmake --build build-asan --target core_tests widget_tests marbolt-cli -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan -L '^(core|widgets)$' --no-tests=error \
    --output-on-failure -j"$(nproc)"
