#!/usr/bin/env bash
# Sets up, builds and starts VEMO with the given arguments, in the directory
# the command was run from (its work directory: vemo.rev and the libraries).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
(cd "$root" && bash tools/setup.sh && bash tools/build.sh)
exec "$root/build/bin/vemo" "$@"
