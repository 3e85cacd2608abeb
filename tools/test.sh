#!/usr/bin/env bash
# Sets up, checks the layers, builds and runs every test, then the
# sanitizer runs: address and undefined behaviour over every test, the fuzz
# targets, and ThreadSanitizer over the layers with threads.  Each build
# builds only what its run needs; each step says how long it took and the
# processor time it used (user and system, its processes together).
set -euo pipefail
cd "$(dirname "$0")/.."
step() {
  local TIMEFORMAT="test.sh: $* took %0R s (user %0U s, system %0S s)"
  time "$@"
}
bash tools/setup.sh
# Every build batches its sources (tools/build.sh): a clean build costs a
# third of the processor time.
export UNITY=ON
# Every include points down the layers (README: layout).
step python3 tools/layers.py
step bash tools/build.sh
# No library uses what only a higher layer's library defines.
python3 tools/layers.py --libs build
step ctest --test-dir build --output-on-failure --parallel "$(nproc)"
# Every test again with the address and undefined behaviour sanitizers.
step bash tools/asan.sh
# The fuzz targets, at most 60 seconds.
step bash tools/fuzz.sh
# Thread sanitizer run of the platform and the host.
step bash tools/tsan.sh
