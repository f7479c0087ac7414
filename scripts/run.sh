#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the editor with the example project
# when a display is there; otherwise the headless pipeline on the example project.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/bootstrap.sh"
BREVIX_BUILD_DIR=$top/build "$top/scripts/build.sh"
exec "$top/scripts/pipeline.sh"
