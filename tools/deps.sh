#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing.
set -euo pipefail

pakiety=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libgtest-dev googletest
         libbenchmark-dev nlohmann-json3-dev hershey-fonts-data fonts-dejavu-core
         # the window tested in a real X server
         xvfb xauth python3 python3-xlib
         # Qt's own dialogs in Polish
         qt6-translations-l10n)

brak=()
for p in "${pakiety[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brak+=("$p")
done
[ ${#brak[@]} -eq 0 ] && exit 0

echo "Instaluję: ${brak[*]}"
sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_ apt-get update -qq
$sudo_ apt-get install -y -qq --no-install-recommends "${brak[@]}"
