#!/usr/bin/env bash
# Runs each libFuzzer target for the given number of seconds. The targets come from the clang
# sanitizer build ($BREVIX_FUZZ_BUILD_DIR, default build-asan), configured here when missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=${BREVIX_FUZZ_BUILD_DIR:-$top/build-asan}
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ BREVIX_BUILD_DIR=$build BREVIX_BUILD_TYPE=Debug "$top/scripts/build.sh" \
        -DBREVIX_SANITIZE=ON -DBREVIX_BUILD_FUZZ=ON -DBREVIX_BUILD_BENCH=OFF
fi
export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
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
    grep -E "^Done" "$corpus.log" | tail -1 || true
    rm -rf "$corpus" "$corpus.log"
done
