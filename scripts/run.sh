#!/usr/bin/env bash
# Installs what is missing, builds, and starts the test bench on the built-in
# emulator (or, with --wizard, the fiscalization wizard; with --emulator, the
# emulated register as a TCP device).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build=${KASSIO_BUILD:-"$here/build"}
bash "$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DKASSIO_BUILD_TESTS=OFF -DKASSIO_BUILD_BENCHMARKS=OFF
if [ "${1:-}" = "--emulator" ]; then
  shift
  exec "$build/emulator/kassio-emulator" "$@"
fi
if [ "${1:-}" = "--wizard" ]; then
  shift
  exec "$build/wizard/Taxomat" "$@"
fi
if [ -x "$build/testbench/KassioTest" ]; then
  exec "$build/testbench/KassioTest" "$@"
fi
exec "$build/emulator/kassio-emulator" "$@"
