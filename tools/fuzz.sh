#!/usr/bin/env bash
# Builds the formula fuzz target (libFuzzer with address and undefined
# behaviour sanitizers over the whole library, in build-fuzz/) and
# runs it for FUZZ_SECONDS (default 45, at most 60) seeded from the
# formula case table.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-45}
((seconds > 60)) && seconds=60
out=build/fuzz
mkdir -p "$out/corpus" "$out/work"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzzformula
cp build-fuzz/bin/fuzzformula "$out/fuzzformula"
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
