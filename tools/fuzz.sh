#!/usr/bin/env bash
# Builds the fuzz targets (libFuzzer with address and undefined behaviour
# sanitizers over the layers they link, up to the user objects, in
# build-fuzz/) and runs them for FUZZ_SECONDS together (default 60, at
# most 60): the key-sequence target, which runs the whole program for each
# input, for 2/5 of them, the other four evenly for the rest.  The formula
# target is seeded from the formula case
# table, the library target from tests/objects/libcorpus with the record
# keys of tools/fuzzlibrary.dict, the revolver's state file target from
# tests/revolver/golden/vemo.rev with the keys of tools/fuzzrevolver.dict,
# the transfer-file target (VEMDRAW's reader, geometry and renderer) from
# the reader's fixtures, the key-sequence target (the running program on the
# lenient scripted front) from tools/fuzzkeys.seeds with the keys of
# tools/fuzzkeys.dict.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
((seconds > 60)) && seconds=60
keyshare=$((seconds * 2 / 5 > 0 ? seconds * 2 / 5 : 1))
share=$(((seconds - keyshare) / 4 > 0 ? (seconds - keyshare) / 4 : 1))
out=build/fuzz
mkdir -p "$out/corpus" "$out/libcorpus" "$out/revcorpus" "$out/rkpcorpus" "$out/keycorpus" "$out/work"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_UNITY_BUILD="${UNITY:-OFF}" >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzzformula fuzzlibrary fuzzrevolver fuzzvemdraw fuzzkeys
cp build-fuzz/bin/fuzzformula build-fuzz/bin/fuzzlibrary build-fuzz/bin/fuzzrevolver build-fuzz/bin/fuzzvemdraw build-fuzz/bin/fuzzkeys "$out/"
# Seeds: the formulas of the case table, one file each.
n=0
grep -v '^#' tests/formula/formulacases.txt | sed -n 's/ => .*//p' | while IFS= read -r line; do
  n=$((n + 1))
  letters=${line%%|*}
  rest=${line#*|}
  printf '%s|%s' "$letters" "${rest%|*}" > "$out/corpus/seed$n"
done
cp tests/objects/libcorpus/* "$out/libcorpus/"
cp tests/revolver/golden/vemo.rev "$out/revcorpus/"
# Transfer files, each behind a printer byte (1: the A4 printer).
python3 tests/vemdraw/rkpfile.py make "$out/rkpfiles" >/dev/null
for f in "$out"/rkpfiles/*.rkp; do
  { printf '\001'; cat "$f"; } > "$out/rkpcorpus/$(basename "$f")"
done
n=0
grep -v '^#' tools/fuzzkeys.seeds | while IFS= read -r line; do
  n=$((n + 1))
  printf '%b' "$line" > "$out/keycorpus/seed$n"
done
cd "$out/work"
# run TARGET CORPUS [OPTION...]
run() {
  echo "== $1"
  "../$1" -max_total_time="$share" -timeout=5 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 "${@:3}" "../$2" 2>&1 | tail -n 25
}
run fuzzformula corpus
run fuzzlibrary libcorpus -dict=../../../tools/fuzzlibrary.dict
run fuzzrevolver revcorpus -dict=../../../tools/fuzzrevolver.dict
run fuzzvemdraw rkpcorpus
# The program keeps objects for its life time (and the font library its
# caches): no leak check.
# A crash happens in the program's work folder: artifacts go here.
share=$keyshare
ASAN_OPTIONS=detect_leaks=0 run fuzzkeys keycorpus -dict=../../../tools/fuzzkeys.dict -max_len=256 -artifact_prefix="$PWD/"
