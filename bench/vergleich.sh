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

# Seconds of one run.
dauer() {
  local a b
  a=$(date +%s.%N); "$@" >/dev/null; b=$(date +%s.%N)
  awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", b - a }'
}
# The fastest of three runs, in seconds.
zeit() {
  local beste= d
  for _ in 1 2 3; do
    d=$(dauer "$@")
    beste=$(awk -v d="$d" -v s="$beste" 'BEGIN { if (s == "" || d < s) s = d; print s }')
  done
  echo "$beste"
}

echo "Generationen: $generationen, 90 x 90, Torus, Dichte 0.35"
# With and without --verlauf in turns, five times, so that a busy moment of a shared machine
# strikes both alike: the fastest of each and the middle of the five ratios.
ohne=() mit=()
for _ in 1 2 3 4 5; do
  ohne+=("$(dauer "$stapel" -n "$generationen" "$ordner/suppe.rle")")
  mit+=("$(dauer "$stapel" -n "$generationen" --verlauf "$ordner/suppe.rle")")
done
awk -v o="${ohne[*]}" -v m="${mit[*]}" 'BEGIN {
  n = split(o, a); split(m, b); ao = a[1]; bm = b[1]
  for (i = 1; i <= n; ++i) { if (a[i] < ao) ao = a[i]; if (b[i] < bm) bm = b[i]; r[i] = b[i] / a[i] }
  for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (r[j] < r[i]) { t = r[i]; r[i] = r[j]; r[j] = t }
  printf "morlix-stapel:            %.2f s\n", ao
  printf "morlix-stapel --verlauf:  %.2f s (mit/ohne: %.2f, Mitte der Läufe %.2f)\n", bm, bm / ao, r[int((n + 1) / 2)]
}'
echo "bgolly (QuickLife):       $(zeit bgolly -a QuickLife -q -q -m "$generationen" "$ordner/suppe.rle") s"
build/bench/bench/bench_schritt --benchmark_filter="BM_Schritt/90/0" --benchmark_min_time=0.5 2>/dev/null | grep -E "^BM" || true
