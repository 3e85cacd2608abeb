#!/usr/bin/env bash
# Types the same keys (a formula, computed) into VEMO's GTK window under
# Xvfb and into the headless front, and checks that the window's drawing
# area shows exactly the headless screen (the caret is off), the value
# included; then closes the window and finds the formula in vemo.rev.  Needs xvfb, xdotool and xwd.
# SCREEN sets the display's size (default 1280x1024x24); with GDK_SCALE the
# window must still show the surface pixel for pixel, all of it on screen.
# Usage: [SCREEN=WxHxD] [GDK_SCALE=N] tools/screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=${1:-$root/build}/bin/vemo
work=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

# A formula typed, computed at 3 and its value shown; the headless run's
# state file goes to a folder of its own.
mkdir "$work/headless"
printf 'e2*x+1<Enter><Enter>3<Enter><dump shot>' >"$work/script"
(cd "$work/headless" && "$vemo" --headless --script "$work/script" --out "$work" >/dev/null)
grep -q '^ :  *f.1     =  *7 ' "$work/shot.txt" || { echo "screenshot: the value 7 not shown"; exit 1; }

source "$root/tools/xserver.sh"
startxserver "${SCREEN:-1280x1024x24}"
xvfb=$xserverpid
(cd "$work" && exec "$vemo" >/dev/null 2>&1) &
vemopid=$!
window=$(findwindow '^VEMO') || { echo "screenshot: no VEMO window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.5
xdotool type --delay 20 'e2*x+1'
xdotool key --delay 20 Return Return 3 Return
# On a loaded machine the window may show the last keys a little later:
# compare again for up to 10 seconds.
status=1
for _ in $(seq 20); do
    sleep 0.5
    xwd -root -silent >"$work/shot.xwd"
    if python3 "$root/tools/screenshotcheck.py" "$work/shot.xwd" "$work/shot.png"; then
        status=0
        break
    fi
done
# Closing the window (Alt-F4) ends the program through its orderly end,
# which writes the state file.
xdotool key alt+F4 2>/dev/null || true
for _ in $(seq 100); do
    kill -0 $vemopid 2>/dev/null || break
    sleep 0.1
done
kill $vemopid 2>/dev/null && { echo "screenshot: Alt-F4 did not end VEMO"; exit 1; }
grep -qx '2\*x+1' "$work/vemo.rev" || { echo "screenshot: closing the window wrote no vemo.rev"; exit 1; }
exit $status
