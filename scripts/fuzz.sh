#!/usr/bin/env bash
# Builds the fuzz target with clang, libFuzzer and the address and
# undefined-behaviour sanitizers into build-fuzz/ and runs it over the
# starting corpus for SECONDS seconds (default 60), on inputs of up to 1 MB:
#
#   bash scripts/fuzz.sh [SECONDS]
#
# Any crash, failed check, leak, sanitizer report, input running longer than
# 10 s or memory use beyond 2 GB fails the run; the input that caused it is
# kept in build-fuzz/run/findings/. Run it again with
#   build-fuzz/tests/fuzz/fuzz_load build-fuzz/run/findings/<file>
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source scripts/packages.sh
marbolt_install_packages clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DMARBOLT_FUZZ=ON -DMARBOLT_TESTS=OFF
cmake --build build-fuzz --target fuzz_load make_seeds -j"$(nproc)"

run=build-fuzz/run
rm -rf "$run/seeds" "$run/corpus"
mkdir -p "$run/seeds" "$run/corpus" "$run/findings"
build-fuzz/tests/fuzz/make_seeds "$run/seeds"
# One input frees far less than 32 MB, so a quarantine of that size still
# catches a use after free within and well beyond it; the default of 256 MB
# only costs memory and page faults (a quarter of the run time).
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:quarantine_size_mb=32
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build-fuzz/tests/fuzz/fuzz_load -max_total_time="$seconds" -max_len=1048576 -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$run/findings/" "$run/corpus" "$run/seeds"
