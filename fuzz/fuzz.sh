#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (seconds, default 180) on a
# copy of its seed corpus, one job at a time; a target stops at its first sanitizer report.
# Usage: fuzz/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-180}
shift || true
ziele=("$@")
[ ${#ziele[@]} -eq 0 ] && ziele=(weltdatei rle plaintext life105 life106 mcell makrozellen gzip regel)

bau=build/fuzz
CXX=clang++ cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORLIX_FUZZ=ON \
  -DMORLIX_TESTS=OFF -DMORLIX_BENCH=OFF >/dev/null
cmake --build "$bau" -j2 --target "${ziele[@]/#/fuzz_}"

fehler=0
for ziel in "${ziele[@]}"; do
  lauf="$bau/lauf/$ziel"
  mkdir -p "$lauf/korpus"
  cp -n fuzz/korpus/"$ziel"/* "$lauf/korpus/"
  woerter=fuzz/muster.dict
  laenge=32768
  # A world file is about 60 KB; longer values reach beyond 110000 bytes.
  [ "$ziel" = weltdatei ] && woerter=fuzz/weltdatei.dict && laenge=131072
  echo "== fuzz_$ziel, $sekunden s"
  if ! (cd "$lauf" && "$OLDPWD/$bau/fuzz/fuzz_$ziel" -jobs=1 -workers=1 -max_total_time="$sekunden" \
          -max_len="$laenge" -dict="$OLDPWD/$woerter" -print_final_stats=1 korpus >/dev/null 2>&1); then
    fehler=1
  fi
  grep -E "^#[0-9]+ +DONE|stat::number_of_executed_units|ERROR|SUMMARY|Test unit written" "$lauf/fuzz-0.log" || true
done
exit $fehler
