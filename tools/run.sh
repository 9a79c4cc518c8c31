#!/usr/bin/env bash
# Builds the program and starts it; arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/deps.sh"
# A folder of its own: the test command's builds never reconfigure it.
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DQUARVI_BENCH=OFF >/dev/null
cmake --build "$top/build" --target quarvi
exec "$top/build/bin/quarvi" "$@"
