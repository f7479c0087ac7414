#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, then one clang build
# with AddressSanitizer and UBSan that runs the tests again and a short run of each fuzz target.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/bootstrap.sh"

export QT_QPA_PLATFORM=offscreen
export BREVIX_WORKDIR=$(mktemp -d "${TMPDIR:-/tmp}/brevix work.XXXXXX")
trap 'rm -rf "$BREVIX_WORKDIR"' EXIT

echo "== build"
BREVIX_BUILD_DIR=$top/build "$top/scripts/build.sh"
echo "== tests"
ctest --test-dir "$top/build" --output-on-failure -j"$(nproc)" --timeout 600

echo "== sanitizer build (clang, AddressSanitizer, UBSan, fuzz targets)"
CC=clang CXX=clang++ BREVIX_BUILD_DIR=$top/build-asan BREVIX_BUILD_TYPE=Debug \
    "$top/scripts/build.sh" -DBREVIX_SANITIZE=ON -DBREVIX_BUILD_FUZZ=ON -DBREVIX_BUILD_BENCH=OFF
echo "== tests under AddressSanitizer and UBSan"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$top/build-asan" --output-on-failure -j"$(nproc)" --timeout 900 -LE no-sanitizer

echo "== fuzz targets"
BREVIX_FUZZ_BUILD_DIR=$top/build-asan "$top/scripts/fuzz.sh" "${BREVIX_FUZZ_SECONDS:-15}"
