#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing,
# and generates the Polish locale the tests run under.
set -euo pipefail

pakiety=(build-essential cmake ninja-build qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev libgtest-dev googletest
         libbenchmark-dev nlohmann-json3-dev hershey-fonts-data fonts-dejavu-core
         # the window tested in a real X server
         xvfb xauth python3 python3-xlib
         # the report's text read back, the installed files and the package checked
         poppler-utils desktop-file-utils lintian dpkg-dev file
         # Qt's own dialogs in Polish
         qt6-translations-l10n
         # the tests run under pl_PL.UTF-8 as well as C.UTF-8
         locales)

sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"

brak=()
for p in "${pakiety[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || brak+=("$p")
done
if [ ${#brak[@]} -gt 0 ]; then
  echo "Instaluję: ${brak[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_ apt-get update -qq
  $sudo_ apt-get install -y -qq --no-install-recommends "${brak[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'pl_PL\.utf-\?8'; then
  echo "Generuję pl_PL.UTF-8"
  if grep -q '^# *pl_PL.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    $sudo_ sed -i 's/^# *\(pl_PL.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^pl_PL.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'pl_PL.UTF-8 UTF-8' | $sudo_ tee -a /etc/locale.gen >/dev/null
  fi
  $sudo_ locale-gen
fi
