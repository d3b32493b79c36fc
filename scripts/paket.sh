#!/usr/bin/env bash
# Builds the Debian package of MorLix into build/paket (without tests and benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/paket -DCMAKE_BUILD_TYPE=Release -DMORLIX_TESTS=OFF -DMORLIX_BENCH=OFF >/dev/null
cmake --build build/paket -j"$(nproc)"
(cd build/paket && cpack -G DEB)
