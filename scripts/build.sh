#!/usr/bin/env bash
# Configures and builds into a folder: build.sh BUILD_DIR [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?build folder}
shift
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$here" -B "$dir" -G Ninja "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$jobs"
