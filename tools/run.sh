#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARVI_TESTS=OFF -DQUARVI_BENCH=OFF >/dev/null
cmake --build "$top/build" --target quarvi
exec "$top/build/bin/quarvi" "$@"
