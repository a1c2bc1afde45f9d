#!/usr/bin/env bash
# Measures how Marbolt copes with big scenarios and prints one table. Every
# figure is set against a baseline taken in the same run on the same machine:
# a resave against copying the same file with dd (and syncing it), the peak
# memory of a resave against the file's size. Then the medians of drawing,
# dragging, zooming and panning on the 120-island world, and the start-up of
# the editor against a bare Qt window (time to the first painted frame, memory
# when idle), on the demo world and on a scenario folder of 10,000 files. Not
# run in CI: the figures depend on the machine and on what else runs on it.
#
# Environment:
#   MARBOLT_BENCH_BUILD  build folder (default build-bench); an existing one
#                        is used as it is, but it must be a Release build
#   MARBOLT_BENCH_DIR    folder for the generated worlds (default: a new
#                        temporary folder, removed at the end)
#   MARBOLT_BENCH_RUNS   timed runs of each resave, copy and start (default 5)
#   MARBOLT_BENCH_QPA    Qt platform of the start-up runs (default offscreen;
#                        xcb under a running X server shows real windows)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
marbolt_install_packages time

build="${MARBOLT_BENCH_BUILD:-build-bench}"
runs="${MARBOLT_BENCH_RUNS:-5}"

if [ -f "$build/CMakeCache.txt" ]; then
    type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
    if [ "$type" != "Release" ]; then
        echo "bench.sh: $build is a '$type' build; timings need a Release build" >&2
        exit 1
    fi
else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARBOLT_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target marbolt-cli marbolt-bigworld marbolt-bench marbolt-startbench marbolt-demo -j"$(nproc)" >/dev/null
cli="$PWD/$build/src/cli/marbolt-cli"
bigworld="$PWD/$build/tools/bigworld/marbolt-bigworld"
bench="$PWD/$build/tools/bench/marbolt-bench"
startbench="$PWD/$build/tools/startbench/marbolt-startbench"
demo="$PWD/$build/tools/demoworld/marbolt-demo"

if [ -n "${MARBOLT_BENCH_DIR:-}" ]; then
    work="$MARBOLT_BENCH_DIR"
    mkdir -p "$work"
else
    work=$(mktemp -d "${TMPDIR:-/tmp}/marbolt-bench.XXXXXX")
    trap 'rm -rf "$work"' EXIT
fi
# The worlds store their own ground, so no game installation is read; an
# empty Wine prefix keeps a real one out of the figures.
export WINEPREFIX="$work/no-game"
mkdir -p "$WINEPREFIX"

generate() { "$bigworld" "$work" "$@" | tail -n 1; }
plain=$(generate)
deer=$(generate --deer 1000000)
chunks=$(generate --chunks 1000000)
tiles=$(generate --tile-heavy)

now_us() { echo $(($(date +%s%N) / 1000)); }

# Median wall time in microseconds of `runs` runs of a command.
median_us() {
    local times=()
    for ((i = 0; i < runs; i++)); do
        local start end
        start=$(now_us)
        "$@" >/dev/null 2>&1 || { echo "bench.sh: failed: $*" >&2; exit 1; }
        end=$(now_us)
        times+=($((end - start)))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

# Peak resident memory of one resave, in kilobytes.
peak_kb() {
    /usr/bin/time -f %M -o "$work/peak" "$cli" resave "$1" "$work/peak.szs" >/dev/null 2>&1 ||
        { echo "bench.sh: failed: marbolt-cli resave $1" >&2; exit 1; }
    cat "$work/peak"
}

# The smallest scenario that loads: one "TIMERS" chunk of 664 zero bytes. Its
# resave shows what the program needs before any scenario data.
minimal="$work/minimal.szs"
{ printf 'TIMERS'; head -c 10 /dev/zero; printf '\x98\x02\x00\x00'; head -c 664 /dev/zero; } >"$minimal"
base=$(peak_kb "$minimal")

printf '%-34s %9s %11s %9s %7s %9s %10s %10s\n' \
    scenario "file MB" "resave ms" "dd ms" ratio "peak MB" "peak/file" "added/file"
for file in "$plain" "$deer" "$chunks" "$tiles"; do
    size=$(stat -c %s "$file")
    resave=$(median_us "$cli" resave "$file" "$work/resaved.szs")
    copy=$(median_us dd if="$file" of="$work/copied.szs" bs=1M conv=fsync)
    peak=$(peak_kb "$file")
    awk -v name="$(basename "$file")" -v size="$size" -v resave="$resave" -v copy="$copy" \
        -v peak="$peak" -v base="$base" 'BEGIN {
            printf "%-34s %9.1f %11.1f %9.1f %7.2f %9.1f %10.2f %10.2f\n", name, size / 1e6,
                resave / 1e3, copy / 1e3, resave / copy, peak / 1024, peak * 1024 / size,
                (peak - base) * 1024 / size
        }'
done
awk -v runs="$runs" -v base="$base" 'BEGIN {
    printf "resave: marbolt-cli resave, median of %d runs; dd: dd bs=1M conv=fsync of the same\n", runs
    printf "file, median of %d runs; ratio = resave / dd; peak: /usr/bin/time %%M of one resave;\n", runs
    printf "added: peak above the %.1f MB of resaving a scenario of one empty TIMERS chunk\n", base / 1024
}'
echo
echo "$(basename "$plain"), marbolt-bench:"
"$bench" "$plain" | sed 's/^/  /'
echo "  object tree click: $(QT_QPA_PLATFORM="${MARBOLT_BENCH_QPA:-offscreen}" "$startbench" select "$plain" 2>/dev/null | tail -n 1)" \
    "(median of 401: choose the next island in the tree, until the map has painted it)"

# Start-up: the wall time from starting the program to the end of the
# window's first paint, and the resident memory once it is idle. The bare
# window is a QMainWindow of the editor's size in the same program, so both
# load the same libraries built with the same flags.
"$demo" "$work/demo" >/dev/null
crowded="$work/crowded"
mkdir -p "$crowded"
cp "$work/demo/Szenarien/Inselreich.szs" "$crowded/"
for ((i = 0; i < 10000; i++)); do : >"$crowded/Szenario $i.szs"; done
export QT_QPA_PLATFORM="${MARBOLT_BENCH_QPA:-offscreen}"
start_once() {
    local start line
    start=$(now_us)
    line=$("$startbench" "$@" 2>/dev/null | tail -n 1) ||
        { echo "bench.sh: failed: marbolt-startbench $*" >&2; exit 1; }
    awk -v start="$start" -v line="$line" 'BEGIN {
        split(line, f, " "); printf "%d %d\n", f[2] - start, f[8] }'
}
# Median start time (us) and median idle memory (kB) over `runs` starts; the
# modes take turns so that a busy moment of the machine hits all of them.
declare -A times memory
modes=(bare demo crowded)
for ((i = 0; i < runs; i++)); do
    for mode in "${modes[@]}"; do
        case $mode in
        bare) result=$(start_once bare) ;;
        demo) result=$(WINEPREFIX="$work/demo/wine" start_once editor "$work/demo/Szenarien/Inselreich.szs") ;;
        crowded) result=$(WINEPREFIX="$work/demo/wine" start_once editor "$crowded/Inselreich.szs") ;;
        esac
        times[$mode]+="${result% *} "
        memory[$mode]+="${result#* } "
    done
done
median() { printf '%s\n' $1 | sort -n | sed -n "$(((runs + 1) / 2))p"; }
echo
printf '%-46s %12s %7s %13s %7s\n' "start-up ($QT_QPA_PLATFORM)" "to paint ms" ratio "idle RSS MB" ratio
bare_time=$(median "${times[bare]}")
bare_memory=$(median "${memory[bare]}")
for mode in "${modes[@]}"; do
    case $mode in
    bare) label="bare QMainWindow 1001x701" ;;
    demo) label="editor, demo world Inselreich.szs" ;;
    crowded) label="editor, Inselreich.szs among 10,000 files" ;;
    esac
    awk -v label="$label" -v t="$(median "${times[$mode]}")" -v m="$(median "${memory[$mode]}")" \
        -v bt="$bare_time" -v bm="$bare_memory" 'BEGIN {
            printf "%-46s %12.1f %7.2f %13.1f %7.2f\n", label, t / 1e3, t / bt, m / 1024, m / bm }'
done
echo "to paint: program start to the end of its first paint, median of $runs starts; idle RSS: VmRSS 0.4 s after it"
