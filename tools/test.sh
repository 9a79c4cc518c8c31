#!/usr/bin/env bash
# Builds everything and runs every test: once normally, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh"
jobs=$(nproc)

cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j "$jobs"
ctest --test-dir "$top/build" --output-on-failure -j "$jobs"

cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVI_SANITIZE=ON >/dev/null
cmake --build "$top/build-asan" -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs"
