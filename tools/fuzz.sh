#!/usr/bin/env bash
# Builds the formula fuzz target (libFuzzer with address and undefined
# behaviour sanitizers, from the formula engine's sources and the few
# services it calls, without the screen) and
# runs it for FUZZ_SECONDS (default 45, at most 60) seeded from the
# formula case table.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-45}
((seconds > 60)) && seconds=60
out=build/fuzz
mkdir -p "$out/corpus" "$out/work"
folders=(formula objects calculator numerics)
existing=(ui/objcount.cpp ui/serial.cpp)
for d in "${folders[@]}"; do
  for f in "$d"/*.cpp; do [[ -f $f ]] && existing+=("$f"); done
done
if [[ ! -x $out/fuzzformula || -n $(find "${folders[@]}" ui/objcount.* ui/serial.* tools/fuzzformula.cpp -newer "$out/fuzzformula" 2>/dev/null | head -1) ]]; then
  clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. "${existing[@]}" tools/fuzzformula.cpp -o "$out/fuzzformula"
fi
# Seeds: the formulas of the case table, one file each.
n=0
grep -v '^#' tests/formula/formulacases.txt | sed -n 's/ => .*//p' | while IFS= read -r line; do
  n=$((n + 1))
  letters=${line%%|*}
  rest=${line#*|}
  printf '%s|%s' "$letters" "${rest%|*}" > "$out/corpus/seed$n"
done
cd "$out/work"
../fuzzformula -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
  -print_final_stats=1 ../corpus 2>&1 | tail -n 25
