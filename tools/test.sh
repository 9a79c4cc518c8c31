#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: once
# normally, once under AddressSanitizer and UndefinedBehaviorSanitizer; each
# time in the environment as it is, then under the Polish locale and under
# C.UTF-8.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh"
jobs=$(nproc)

testy() {
  ctest --test-dir "$1" --output-on-failure -j "$jobs"
  for ustawienie in pl_PL.UTF-8 C.UTF-8; do
    echo "Testy pod $ustawienie"
    env -u LC_ALL -u LC_NUMERIC LANG="$ustawienie" ctest --test-dir "$1" --output-on-failure -j "$jobs"
  done
}

# Folders of their own, apart from the run command's build/; the benchmarks are built so that they keep compiling.
cmake -S "$top" -B "$top/build-test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DQUARVI_BENCH=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$top/build-test" -j "$jobs"
testy "$top/build-test"

cmake -S "$top" -B "$top/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUARVI_SANITIZE=ON -DBUILD_TESTING=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$top/build-asan" -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
testy "$top/build-asan"
