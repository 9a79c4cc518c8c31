#!/usr/bin/env bash
# Time and peak memory of `quarvi --json` on the longest task the reader
# accepts (12 spans of 1000 m, 10 combinations, 400 loads over whole spans).
# Usage: bench/PamiecJson.sh BUILD_DIR [runs]   (a Release build)
set -euo pipefail
bin="$1/bin"
runs="${2:-5}"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$bin/zapisz_najdluzsze" "$folder/najdluzsze.qvr"
uptime
for _ in $(seq "$runs"); do
  /usr/bin/time -f "%e s (user %U s, sys %S s)  %M kB" "$bin/quarvi" --json "$folder/najdluzsze.qvr" >"$folder/wynik.json"
done
