#!/usr/bin/env bash
# Builds MorLix (release) and starts it. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/einrichten.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DMORLIX_TESTS=OFF -DMORLIX_BENCH=OFF >/dev/null
cmake --build build/release --target morlix morlix-stapel -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "MorLix braucht einen Bildschirm (kein DISPLAY gesetzt); ohne einen so starten: xvfb-run -s '-screen 0 1280x1024x24' build/release/app/morlix"
  echo "Ohne Fenster rechnet build/release/app/morlix-stapel (siehe --help)."
  exit 1
fi
exec build/release/app/morlix "$@"
