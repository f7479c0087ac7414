#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$top/build-fuzz
export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBREVIX_BUILD_FUZZ=ON -DBREVIX_BUILD_TESTS=OFF -DBREVIX_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target brevix_fuzz_targets
for target in "$build"/fuzz/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus=$(mktemp -d)
    seeds=$top/fuzz/seeds/${name#fuzz_}
    [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
    echo "-- $name (${seconds}s)"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "$target" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=0 "$corpus" 2>"$corpus.log" ||
        { tail -50 "$corpus.log"; exit 1; }
    grep -E "^Done|^#[0-9]+.*DONE" "$corpus.log" | tail -1 || true
    rm -rf "$corpus" "$corpus.log"
done
