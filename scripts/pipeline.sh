#!/usr/bin/env bash
# The headless pipeline: what builder-cli can do with a project, on a fresh example.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cli=$top/build/cli/builder-cli
out=${BREVIX_OUTPUT_DIR:-$top/build/output}
mkdir -p "$out"
rm -rf "$out/Demo"
"$cli" new "$out/Demo.KX3" --model 1 >/dev/null
echo "Created $out/Demo/Demo.KX3"
"$cli" info "$out/Demo/Demo.KX3"
echo "Output files are in $out"
