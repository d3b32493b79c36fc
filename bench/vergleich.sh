#!/usr/bin/env bash
# Times morlix-stapel against Golly's command-line bgolly (QuickLife) on the same bounded torus:
# a 90 x 90 soup of density 0.35 run for a million generations (or the number given).
#   bench/vergleich.sh [generationen]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/einrichten.sh
command -v bgolly >/dev/null || { echo "bgolly fehlt: apt-get install golly"; exit 1; }

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DMORLIX_TESTS=OFF >/dev/null
cmake --build build/bench --target morlix-stapel bench_schritt -j"$(nproc)" >/dev/null
stapel=build/bench/app/morlix-stapel
generationen=${1:-1000000}
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

awk -v n=90 -v dichte=0.35 'BEGIN {
  srand(1); print "x = " n ", y = " n ", rule = B3/S23:T" n "," n
  for (y = 0; y < n; ++y) {
    z = ""; for (x = 0; x < n; ++x) z = z (rand() < dichte ? "o" : "b")
    print z (y < n - 1 ? "$" : "!")
  }
}' >"$ordner/suppe.rle"

# The fastest of three runs, in seconds.
zeit() {
  local beste=
  for _ in 1 2 3; do
    local a b
    a=$(date +%s.%N); "$@" >/dev/null; b=$(date +%s.%N)
    beste=$(awk -v a="$a" -v b="$b" -v s="$beste" 'BEGIN { d = b - a; if (s == "" || d < s) s = d; printf "%.2f", s }')
  done
  echo "$beste"
}

echo "Generationen: $generationen, 90 x 90, Torus, Dichte 0.35"
echo "morlix-stapel:            $(zeit "$stapel" -n "$generationen" "$ordner/suppe.rle") s"
echo "morlix-stapel --verlauf:  $(zeit "$stapel" -n "$generationen" --verlauf "$ordner/suppe.rle") s"
echo "bgolly (QuickLife):       $(zeit bgolly -a QuickLife -q -q -m "$generationen" "$ordner/suppe.rle") s"
build/bench/bench/bench_schritt --benchmark_filter="BM_Schritt/90/0" --benchmark_min_time=0.5 2>/dev/null | grep -E "^BM" || true
