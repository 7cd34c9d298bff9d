#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole test suite through ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
build=${KASSIO_TEST_BUILD:-"$here/build-test"}
bash "$here/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKASSIO_SANITIZE=ON -DKASSIO_BUILD_BENCHMARKS=OFF
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 300
