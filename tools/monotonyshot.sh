#!/usr/bin/env bash
# The Monotony Test window of the GTK front under Xvfb: "+" and "m" on a
# calculator of 1/x^2 open it, and it shows the golden image of the
# scripted front pixel for pixel.  Needs xvfb, xdotool and xwd.
# Usage: tools/monotonyshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=$(realpath "${1:-$root/build}")/bin/vemo
work=$(mktemp -d)
trap 'kill ${vemopid:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

source "$root/tools/xserver.sh"
startxserver
xvfb=$xserverpid
"$vemo" >/dev/null 2>&1 &
vemopid=$!
main=$(findwindow '^VEMO') || { echo "monotonyshot: no VEMO window"; exit 1; }
xdotool windowfocus "$main" 2>/dev/null || true
sleep 0.5
xdotool type --delay 50 'e1/x^2'
xdotool key --delay 50 Return Return 3 Return
xdotool type --delay 50 '+m'
mono=$(findwindow '^Monotony Test$') || { echo "monotonyshot: no Monotony Test window"; exit 1; }
# A loaded machine may paint a little later: compare again for up to 10 s.
status=1
for _ in $(seq 20); do
    sleep 0.5
    xwd -id "$mono" -silent >shot.xwd
    if python3 "$root/tools/screenshotcheck.py" shot.xwd "$root/tests/numerics/golden/zeta2-monotony.png"; then
        status=0
        break
    fi
done
xdotool windowfocus "$main" 2>/dev/null || true
xdotool key Escape alt+x y 2>/dev/null || true
sleep 0.5
exit $status
