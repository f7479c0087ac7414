#!/usr/bin/env bash
# Configures and builds Brevix into build/ (or $BREVIX_BUILD_DIR). Extra arguments go to CMake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BREVIX_BUILD_DIR:-$top/build}

# ccache hits across fresh clones when paths are taken relative to the checkout.
export CCACHE_BASEDIR=$top
export CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}

if [ ! -f "$build/build.ninja" ] || [ $# -gt 0 ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${BREVIX_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
