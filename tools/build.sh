#!/usr/bin/env bash
# Configures and builds everything into build/ (programs in build/bin/);
# UNITY=ON batches each target's sources into a few units (as CI builds).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DCMAKE_UNITY_BUILD="${UNITY:-OFF}" >/dev/null
cmake --build build --parallel "$(nproc)"
