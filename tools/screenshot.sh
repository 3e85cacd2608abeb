#!/usr/bin/env bash
# Types the same keys into VEMO's GTK window under Xvfb and into the
# headless front, and checks that the window's drawing area shows exactly
# the headless screen (the caret is off).  Needs xvfb, xdotool and xwd.
# SCREEN sets the display's size (default 1280x1024x24); with GDK_SCALE the
# window must still show the surface pixel for pixel, all of it on screen.
# Usage: [SCREEN=WxHxD] [GDK_SCALE=N] tools/screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
vemo=${1:-$root/build}/bin/vemo
work=$(mktemp -d)
trap 'kill ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT

printf '<F10><dump shot><Esc><A-x>' >"$work/script"
(cd "$work" && "$vemo" --headless --script "$work/script" --out "$work" >/dev/null)
grep -q 'VEMO 0.1' "$work/shot.txt" || { echo "screenshot: the version notice not shown"; exit 1; }

display=:$((90 + RANDOM % 500))
Xvfb "$display" -screen 0 "${SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display
(cd "$work" && exec "$vemo" >/dev/null 2>&1) &
vemopid=$!
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^VEMO' 2>/dev/null | head -1 || true)
    [[ -n $window ]] && break
    sleep 0.2
done
[[ -n ${window:-} ]] || { echo "screenshot: no VEMO window"; exit 1; }
xdotool windowfocus "$window" 2>/dev/null || true
sleep 0.5
xdotool key F10
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
xdotool key --delay 50 Escape alt+x y 2>/dev/null || true
sleep 0.5
kill $vemopid 2>/dev/null || true
exit $status
