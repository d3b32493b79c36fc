#!/usr/bin/env bash
# Builds MorLix with its tests and runs every test. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/einrichten.sh

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORLIX_BENCH=ON >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
