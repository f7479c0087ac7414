#!/usr/bin/env bash
# The main job. With a display: the editor with the example project. Without one: the headless
# pipeline on a copy of the example (check, compile, draw every page, simulate the start page).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bin=$top/build
example_dir=$bin/data/Examples
example=$example_dir/茶叶整形机.KX3

if [ -n "${DISPLAY:-}" ] && [ -x "$bin/builder/builder" ] && [ "${BREVIX_HEADLESS:-0}" != 1 ]; then
    exec "$bin/builder/builder" "$example"
fi

cli=$bin/cli/builder-cli
out=${BREVIX_OUTPUT_DIR:-$bin/output}
rm -rf "$out"
mkdir -p "$out/project"
cp "$example_dir"/茶叶整形机.* "$out/project/"
project=$out/project/茶叶整形机.KX3

echo "== project"
"$cli" info "$project"
echo "== check"
"$cli" check "$project"
echo "== compile"
"$cli" compile "$project" -o "$out" --spi --report
echo "== render"
pages=$("$cli" info "$project" --json | python3 -c 'import json,sys; print(" ".join(str(p["number"]) for p in json.load(sys.stdin)["pages"]))')
for n in $pages; do
    "$cli" render "$project" --page "$n" -o "$out/page$n.png"
done
echo "== simulate"
"$cli" simulate "$out/KX.bin" --face --ticks 10 -o "$out/simulator.png"

echo
echo "Files are in $out:"
echo "  project/茶叶整形机.KX3  the example project (with its .PIC and .M)"
echo "  KX.bin, SPI.bin         the download images for the panel"
echo "  page<N>.png             every page as the editor draws it"
echo "  simulator.png           the start page running in the simulator, on the panel face"
