#!/usr/bin/env bash
# Takes the README's pictures of the window: starts the program under Xvfb at 96 dpi and saves
# the window as docs/morlix.png once its field shows, and in English as docs/english.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/einrichten.sh

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/test --target morlix bildschirmpruefer -j"$(nproc)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
  build/test/tests/ui/bildschirmpruefer build/test/app/morlix docs/morlix.png --sprache=de
QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' \
  build/test/tests/ui/bildschirmpruefer build/test/app/morlix docs/english.png --sprache=en
