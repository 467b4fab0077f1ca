#!/usr/bin/env bash
# Builds and runs every test, headless. With --sanitize, builds a separate
# tree with AddressSanitizer and UndefinedBehaviorSanitizer and runs there.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/build.sh build-asan -DAUTOPARTS_SANITIZE=ON -DAUTOPARTS_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir build-asan --output-on-failure
else
  bash scripts/build.sh build
  ctest --test-dir build --output-on-failure
fi
