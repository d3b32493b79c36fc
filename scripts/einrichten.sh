#!/usr/bin/env bash
# Installs the Debian packages the build needs, if any are missing. Sourced by run.sh and test.sh.
set -euo pipefail

pakete=(build-essential cmake qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-charts-dev libgl1-mesa-dev googletest libgtest-dev
        libbenchmark-dev libgif-dev gifsicle zlib1g-dev nettle-dev pkg-config xvfb xauth x11-apps imagemagick
        fonts-dejavu-core
        qt6-translations-l10n qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools desktop-file-utils locales)

als_root=()
[ "$(id -u)" -ne 0 ] && als_root=(sudo)

fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done

if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  "${als_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${als_root[@]}" apt-get install -y -qq "${fehlend[@]}"
fi

# The number tests run under a German locale, whose decimal comma must not reach the program.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Erzeuge die Locale de_DE.UTF-8"
  "${als_root[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
