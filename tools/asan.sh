#!/usr/bin/env bash
# Builds the test programs (and the programs they run) with the address and
# undefined behaviour sanitizers into build-asan/ and runs every test there
# (the GTK window tests run in the ordinary build); UNITY as in build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_UNITY_BUILD="${UNITY:-OFF}" >/dev/null
cmake --build build-asan --parallel "$(nproc)" --target testprograms
export ASAN_OPTIONS="detect_leaks=1"
# The suppressions where every user may read them: some tests run the
# program as nobody, who may not reach into the checkout.
supp=$(mktemp /tmp/vemolsan.XXXXXX)
trap 'rm -f "$supp"' EXIT
cp tools/lsan.supp "$supp"
chmod 644 "$supp"
export LSAN_OPTIONS="suppressions=$supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" -E Gtk
