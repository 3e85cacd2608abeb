#!/usr/bin/env bash
# Sets up, builds and runs every test, then the sanitizer runs: address and
# undefined behaviour over every test, the formula fuzz target, and
# ThreadSanitizer over the threads' tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
# Every test again with the address and undefined behaviour sanitizers.
bash tools/asan.sh
# The formula fuzz target, at most 60 seconds.
bash tools/fuzz.sh
# Thread sanitizer run of the platform and host tests.
bash tools/tsan.sh

