#!/usr/bin/env bash
# Builds the test programs (and the programs they run) with the address and
# undefined behaviour sanitizers into build-asan/ and runs every test there
# (the GTK window tests run in the ordinary build).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMO_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan --parallel "$(nproc)" --target testprograms
export ASAN_OPTIONS="detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" -E Gtk
