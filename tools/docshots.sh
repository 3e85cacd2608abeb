#!/usr/bin/env bash
# Makes the README's pictures in docs/ again from its tour, run headless:
# VEMO with the fastplot, the plot environment, VEMDRAW with the diagram.
# Usage: tools/docshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec /usr/bin/python3 "$root/tools/tour.py" pictures "${1:-$root/build}" "$root/docs"
