#!/usr/bin/env bash
# Opens the curve editor of a designer plot in VEMO's GTK window under Xvfb
# and checks that the "Curve Properties" window comes up and goes again
# when Esc ends the editor; then ends the program.  Needs xvfb, xdotool
# and xwd.  The picture of the screen is left in OUT when given.
# Usage: tools/curvedialogshot.sh [BUILD_DIR] [OUT.xwd]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=$(cd "${1:-$root/build}" && pwd)/bin/vemo
out=${2:-}
work=$(mktemp -d)
trap 'kill ${vemopid:-} ${wm:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

source "$root/tools/xserver.sh"
startxserver 1280x1024x24
xvfb=$xserverpid
if [[ ${STEP:-} == range ]]; then
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
fi
(cd "$work" && exec "$vemo" >/dev/null 2>&1) &
vemopid=$!
window=$(findwindow '^VEMO') || { echo "curvedialogshot: no VEMO window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.5
# x*x computed at 3, a new designer plot over [0, 5] x [0, 30] in red, and
# the editor ("e") in the plot environment.
xdotool type --delay 20 'ex*x'
xdotool key --delay 20 Return Return 3 Return
xdotool type --delay 20 'ppn0'
xdotool key --delay 20 Return 5 Return 0 Return 3 0 Return r
sleep 1
xdotool type --delay 20 'e'
dialog=$(findwindow '^Curve Properties$') || { echo "curvedialogshot: no Curve Properties window"; exit 1; }
sleep 0.5
if [[ ${STEP:-} == range ]]; then
    xdotool windowmove "$dialog" 600 200
    sleep 0.5
    before=$(xdotool getwindowgeometry "$dialog" | grep Position)
    # The range's Edit button, then OK; a few times, as the window manager
    # does not always get to place the window anew while it is hidden.
    for _ in 1 2 3; do
        xdotool mousemove --window "$dialog" 177 298 click 1
        range=$(findwindow '^Parameter Range$') || { echo "curvedialogshot: no Parameter Range window"; exit 1; }
        xdotool windowfocus "$range" 2>/dev/null || true
        xdotool key Return
        windowgone '^Parameter Range$' || { echo "curvedialogshot: the range dialog stayed open"; exit 1; }
        sleep 1
        after=$(xdotool getwindowgeometry "$dialog" | grep Position)
        [[ $after == "$before" ]] || { echo "curvedialogshot: the dialog moved from ${before#*: } to ${after#*: }"; exit 1; }
    done
    echo "curvedialogshot: the dialog stayed at ${after#*: } after its range dialog"
fi
[[ -n $out ]] && xwd -root -silent >"$out"
# Esc on the main window ends the editor, which closes the dialog.
xdotool windowfocus "$window" 2>/dev/null || true
xdotool key Escape
windowgone '^Curve Properties$' || { echo "curvedialogshot: the dialog stayed open after the editor ended"; exit 1; }
kill "$vemopid" 2>/dev/null || true
echo "curvedialogshot: the Curve Properties window opened and closed"
