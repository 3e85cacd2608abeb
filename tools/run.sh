#!/usr/bin/env bash
# Sets up, builds and starts VEMO with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
exec build/bin/vemo "$@"
